// The change history: every kind of change undone returns the tables bit for bit and redone
// returns them again; deletions come back at the end of the table; modified means different
// from the last save; a new change drops what was undone; the depth setting; New empties it.
#include "commands/history.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "app/startup.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/file_commands.h"
#include "commands/menu_commands.h"
#include "commands/processors.h"
#include "nc/job_edit.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class History : public ::testing::Test {
  protected:
    History() {
        ui.program = &p;
        MainWindowLoad(p, "");
        p.view.Skala = 0.01;
    }
    void Click(double x, double y) { DispatchClick(p, float(x), float(y)); }
    // A command with typed values, as the window runs it.
    void Values(const char* menu, std::vector<std::vector<std::string>> rows) {
        RunMenu(p, menu);
        for (auto& r : rows) {
            std::vector<const char*> texts;
            for (const std::string& t : r)
                texts.push_back(t.c_str());
            ui.dialogs.push_back(test::Ok(texts));
            RunMenu(p, "ValuesButton");
        }
        RunMenu(p, "AvbrytButton");
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(History, EveryChangeUndoneAndRedoneBitForBit) {
    // A drawing to work on, then each command below is one change.
    Values("mnuLinjelm2a", {{"0", "0"}, {"10", "0"}});
    Values("mnuCirkeloor", {{"20", "0", "5"}});
    Values("mnuPointP", {{"30", "5"}});
    struct Step {
        const char* what;
        std::function<void()> run;
    };
    const std::vector<Step> steps = {
        // First, so that the undo that puts its objects at the end is the last one.
        {"delete window",
         [&] {
             RunMenu(p, "mnuRaderaWin");
             Click(-50, -50);
             Click(15, 15);
             RunMenu(p, "AvbrytButton");
         }},
        {"line",
         [&] {
             Values("mnuLinjelm2a", {{"0", "10"}, {"10", "10"}});
         }},
        {"circle",
         [&] {
             Values("mnuCirkeloor", {{"40", "0", "2.5"}});
         }},
        {"origin",
         [&] {
             Values("mnuGeoMoveOrigo", {{"1", "2"}});
         }},
        {"G1 move",
         [&] {
             RunMenu(p, "mnuNCg1");
             Click(19, -2);  // the circle's centre, after the origin moved
             RunMenu(p, "AvbrytButton");
         }},
        {"job setting", [&] { SetJobValue(p, "Feed", "450"); }},
        {"undo last move", [&] { RunMenu(p, "mnuNCundolast"); }},
    };
    std::vector<DrawingState> states{CaptureState(p.doc)};
    const std::size_t first = p.changes.done;
    for (const Step& s : steps) {
        s.run();
        states.push_back(CaptureState(p.doc));
        EXPECT_FALSE(states.back() == states[states.size() - 2]) << s.what << " changed nothing";
        EXPECT_EQ(p.changes.done, first + states.size() - 1) << s.what << ": one change";
    }
    // Back to the start, each undo one step; the deletion's objects come back at the end.
    for (std::size_t i = steps.size(); i-- > 0;) {
        RunMenu(p, "mnuUndo");
        const DrawingState now = CaptureState(p.doc);
        if (std::string(steps[i].what) == "delete window") {
            EXPECT_EQ(now.objects.size(), states[i].objects.size());
        } else {
            EXPECT_TRUE(now == states[i]) << "undo of " << steps[i].what;
        }
    }
    // And forward again to where it was.
    for (std::size_t i = 0; i < steps.size(); ++i)
        RunMenu(p, "mnuRedo");
    EXPECT_TRUE(CaptureState(p.doc) == states.back());
    EXPECT_FALSE(p.uiState.Enabled("mnuRedo"));
    // The built-in texts have no caption for that menu item: the bare word.
    EXPECT_EQ(p.uiState.Menu("mnuUndo").text, "Ångra");
}

TEST_F(History, ADeletionComesBackAtTheEndNewestFirst) {
    Values("mnuLinjelm2a", {{"0", "0"}, {"10", "0"}});
    Values("mnuLinjelm2a", {{"0", "10"}, {"10", "10"}});
    Values("mnuCirkeloor", {{"20", "0", "5"}});
    RunMenu(p, "mnuRaderaL");
    Click(5, 0);
    RunMenu(p, "mnuRaderaC");
    Click(25, 0);
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    RunMenu(p, "mnuUndo");
    RunMenu(p, "mnuUndo");
    ASSERT_EQ(p.drawing.ObjectCount, 3);
    EXPECT_EQ(p.drawing.Obj(1).Y1, 10);
    EXPECT_EQ(p.drawing.Obj(2).Typ, kCircle);  // the newest deletion first
    EXPECT_EQ(p.drawing.Obj(3).Y1, 0);
    // Redo removes them again; an undo of the line before them still finds its object.
    RunMenu(p, "mnuRedo");
    RunMenu(p, "mnuRedo");
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    RunMenu(p, "mnuUndo");
    RunMenu(p, "mnuUndo");
    RunMenu(p, "mnuUndo");  // the circle's construction
    RunMenu(p, "mnuUndo");  // the second line
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.Obj(1).Y1, 0);
}

TEST_F(History, ModifiedMeansDifferentFromTheSave) {
    Values("mnuLinjelm2a", {{"0", "0"}, {"10", "0"}});
    EXPECT_TRUE(p.drawing.Modified);
    ui.files = {FileDialogResult{true, dir.File("a.vgm"), 1}};
    RunMenu(p, "mnuSparasom");
    EXPECT_FALSE(p.drawing.Modified);
    Values("mnuCirkeloor", {{"20", "0", "5"}});
    EXPECT_TRUE(p.drawing.Modified);
    RunMenu(p, "mnuUndo");
    EXPECT_FALSE(p.drawing.Modified);  // back to the saved tables
    RunMenu(p, "mnuUndo");
    EXPECT_TRUE(p.drawing.Modified);
    RunMenu(p, "mnuRedo");
    EXPECT_FALSE(p.drawing.Modified);
}

TEST_F(History, ANewChangeDropsTheUndoneOnesAndTheDepthIsASetting) {
    p.settings.UndoDepth = 3;
    for (int i = 0; i < 5; ++i)
        Values("mnuPointP", {{std::to_string(i), "0"}});
    EXPECT_EQ(p.changes.changes.size(), 3u);
    RunMenu(p, "mnuUndo");
    EXPECT_TRUE(p.uiState.Enabled("mnuRedo"));
    EXPECT_EQ(p.uiState.Menu("mnuRedo").text, "Gör om PUNKT MED KOORDINATER");
    Values("mnuPointP", {{"9", "9"}});
    EXPECT_FALSE(p.uiState.Enabled("mnuRedo"));
    RunMenu(p, "mnuUndo");
    RunMenu(p, "mnuUndo");
    RunMenu(p, "mnuUndo");
    EXPECT_FALSE(p.uiState.Enabled("mnuUndo"));
    EXPECT_EQ(p.drawing.ObjectCount, 2);  // the three oldest changes are beyond the depth
    // New empties the history.
    ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
    RunMenu(p, "mnuNy");
    EXPECT_FALSE(p.uiState.Enabled("mnuUndo"));
    EXPECT_FALSE(p.uiState.Enabled("mnuRedo"));
    EXPECT_FALSE(p.drawing.Modified);
}

}  // namespace
}  // namespace vt
