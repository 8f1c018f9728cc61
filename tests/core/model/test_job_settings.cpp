// The job settings of a drawing: their values, their place in the drawing file, editing them,
// handing them to the engine; and the waits of NC generation (lock, busy indication, cancel).
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/program.h"
#include "app/startup.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "commands/menu_commands.h"
#include "nc/engine_process.h"
#include "nc/job_edit.h"
#include "nc/job_file.h"
#include "nc/job_lock.h"
#include "nc/nc_code.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

TEST(JobSettings, ValuesAreCheckedAndKeptInOneSpelling) {
    struct Case {
        const char* key;
        const char* text;
        const char* kept;  // null: refused
    } cases[] = {
        {"Feed", "2,5", "2.5"},
        {"Feed", " 150 ", "150"},
        {"Feed", "0", nullptr},
        {"Feed", "1e3", nullptr},
        {"Depth", "0", "0"},
        {"Depth", "-1", nullptr},
        {"SafeZ", "0", nullptr},
        {"Tool", "12", "12"},
        {"Tool", "1.5", nullptr},
        {"Tool", "0", nullptr},
        {"Spindle", "0", nullptr},
        {"Direction", "ccw", "CCW"},
        {"Direction", "left", nullptr},
        {"Coolant", "FLOOD", "Flood"},
        {"ZMoves", "off", "Off"},
        {"Program", "flänge 2", "flänge 2"},
        {"Program", "a;b", nullptr},
        {"Program", "x\"y", nullptr},
        {"DepthPerPass", "0.123456", "0.1235"},
    };
    for (const Case& c : cases) {
        const JobField* f = FindJobField(c.key);
        ASSERT_NE(f, nullptr) << c.key;
        auto v = NormaliseJobValue(*f, c.text);
        if (c.kept)
            EXPECT_EQ(v.value_or("(refused)"), c.kept) << c.key << " " << c.text;
        else
            EXPECT_FALSE(v) << c.key << " " << c.text << " -> " << *v;
    }
}

class JobTest : public ::testing::Test {
  protected:
    void Start() {
        std::filesystem::create_directory(dir.File("POST"));
        for (const char* m : {"iso_fanuc_mill.vtp", "iso_lathe_diameter.vtp"})
            std::filesystem::copy_file(std::string(VT_POST_DIR) + "/" + m, dir.File("POST/") + m);
        WriteFileOrThrow(dir.File("veltrum32.ini"), "[Program]\r\nMaskinAsk=False\r\n");
        ui.program = &p;
        MainWindowLoad(p, "");
    }
    void AddMove(int16_t typ, double x, double y) { test::AddMove(p, typ, x, y); }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

// The first reserved line of the drawing file holds the settings; a drawing without any is
// written as before.
TEST_F(JobTest, KeptInTheDrawingFile) {
    Start();
    const std::string file = dir.File("a.vgm");
    ASSERT_TRUE(SaveGEO(p, file));
    std::string text;
    ASSERT_TRUE(ReadFileBytes(file, text));
    EXPECT_EQ(text,
              "\"Ortix Veltrum 1.1.36\",1\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n0\r\n");
    p.jobSettings = {{"Tool", "3"}, {"Feed", "150.5"}, {"Program", "flänge"}};
    ASSERT_TRUE(SaveGEO(p, file));
    ASSERT_TRUE(ReadFileBytes(file, text));
    EXPECT_NE(text.find("\r\n\"JOB;Program=flänge;Tool=3;Feed=150.5\"\r\n\"\"\r\n"),
              std::string::npos)
        << text;
    std::string name = file;
    ASSERT_TRUE(LoadGEO(p, name));
    EXPECT_EQ(p.jobSettings, (JobValues{{"Tool", "3"}, {"Feed", "150.5"}, {"Program", "flänge"}}));
    // A damaged line keeps what it can; a file without the line has no settings of its own.
    WriteFileOrThrow(file,
                     "\"Ortix Veltrum 1.1.36\",1\r\n\"\"\r\n\"JOB;Feed=abc;Tool=2;Colour=red\"\r\n"
                     "\"\"\r\n\"\"\r\n\"\"\r\n0\r\n0\r\n");
    ASSERT_TRUE(LoadGEO(p, name));
    EXPECT_EQ(p.jobSettings, (JobValues{{"Tool", "2"}}));
    NewDrawing(p);
    EXPECT_TRUE(p.jobSettings.empty());
}

TEST_F(JobTest, EditedInTheNcWindow) {
    Start();
    EXPECT_TRUE(SetJobValue(p, "Feed", "175,5"));
    EXPECT_EQ(p.jobSettings.at("Feed"), "175.5");
    EXPECT_TRUE(p.drawing.Modified);
    EXPECT_FALSE(SetJobValue(p, "Feed", "fast"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ogiltigt värde för Matning (F): fast");
    EXPECT_EQ(p.jobSettings.at("Feed"), "175.5");
    EXPECT_TRUE(SetJobValue(p, "Feed", ""));
    EXPECT_FALSE(p.jobSettings.count("Feed"));
    // The window shows the machine's values where the drawing has none, and which fields matter.
    std::vector<JobFieldState> states = JobFieldStates(p);
    ASSERT_EQ(states.size(), JobFields().size());
    EXPECT_EQ(states[4].field->key, std::string("Feed"));
    EXPECT_EQ(states[4].value, "");
    EXPECT_EQ(states[4].machineValue, "200");
    EXPECT_TRUE(states[6].applies);  // SafeZ on a mill
    RunMenu(p, "mnuNCMachines", 1);  // the lathe
    states = JobFieldStates(p);
    EXPECT_EQ(states[4].machineValue, "0.15");
    EXPECT_FALSE(states[6].applies);
    ResetJobValues(p);
    EXPECT_TRUE(p.jobSettings.empty());
}

// The engine gets the drawing's values and its file name as the program name.
TEST_F(JobTest, HandedToTheEngine) {
    Start();
    AddMove(kG1, 1, 2);
    p.drawing.HasFileName = true;
    p.drawing.FileName = dir.File("Fläns 7.vgm");
    EXPECT_EQ(JobForEngine(p).at("Program"), "Fläns 7");
    SetJobValue(p, "Feed", "333");
    SetJobValue(p, "Tool", "4");
    GenNCCode(p);
    const std::string& code = p.uiState.ncCodeText;
    EXPECT_NE(code.find("O1234 (Fläns 7)\r\n"), std::string::npos) << code;
    EXPECT_NE(code.find("T4 M6"), std::string::npos) << code;
    EXPECT_NE(code.find("F333."), std::string::npos) << code;
    EXPECT_TRUE(ui.busyEnded);
}

// A slow engine: the window is kept alive, the busy indication comes after a second, and Cancel
// ends the engine's whole process group.
TEST_F(JobTest, SlowEngineShowsBusyAndCanBeCancelled) {
    Start();
    AddMove(kG1, 1, 2);
    WriteFileOrThrow(dir.File("vtengine"), "#!/bin/sh\nsleep 30 &\necho $! > child.pid\nwait\n");
    std::filesystem::permissions(dir.File("vtengine"), std::filesystem::perms::owner_all);
    ui.cancelWhenBusy = true;
    // The message is shown after the job file is free again: no other run waits for it.
    bool freeDuringMessage = false;
    ui.onMessage = [&] {
        freeDuringMessage = JobFileLock(dir.File("temp.pp"), [](int) { return false; }).Locked();
    };
    const auto start = std::chrono::steady_clock::now();
    GenNCCode(p);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(ui.sawBusy);
    EXPECT_GT(ui.keepAlives, 10);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Postprocessorn avbröts.");
    EXPECT_TRUE(freeDuringMessage);
    EXPECT_TRUE(ui.busyEnded);
    EXPECT_EQ(p.uiState.ncCodeText, "");
    // The engine's child went with it.
    std::string pid;
    ASSERT_TRUE(ReadFileBytes(dir.File("child.pid"), pid));
    bool gone = false;
    for (int i = 0; i < 100 && !gone; ++i) {
        // Gone, or a zombie waiting for a parent that does not reap.
        std::string stat;
        gone = !ReadFileBytes("/proc/" + std::to_string(std::stoi(pid)) + "/stat", stat) ||
               stat.find(") Z ") != std::string::npos;
        if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone);
}

// A generation asked for while one waits for the engine runs after it, not inside it.
TEST_F(JobTest, GenerationAskedWhileWaitingRunsAfterwards) {
    Start();
    AddMove(kG1, 1, 2);
    ui.keepAliveAction = [this](Program& q) {
        AddMove(kG1, 7, 8);
        GenNCCode(q);
    };
    GenNCCode(p);
    EXPECT_NE(p.uiState.ncCodeText.find("X7. Y8."), std::string::npos) << p.uiState.ncCodeText;
    EXPECT_FALSE(p.ncGenerating);
}

// While another run holds the job file, a second waits (and can be cancelled while waiting).
TEST_F(JobTest, JobFileLockMakesRunsWait) {
    const std::string job = dir.File("temp.pp");
    JobFileLock first(job, {});
    ASSERT_TRUE(first.Locked());
    int waited = 0;
    JobFileLock second(job, [&](int) { return ++waited < 5; });
    EXPECT_FALSE(second.Locked());
    EXPECT_EQ(waited, 5);
}

}  // namespace
}  // namespace vt
