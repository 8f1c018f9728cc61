// What the user must never lose, and what must never stop the program: failed and interrupted
// saves, a broken post-processor, broken plug-ins and settings, the object limit, and numbers at
// the edges.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "app/program.h"
#include "app/startup.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "commands/file_commands.h"
#include "commands/menu_commands.h"
#include "commands/processors.h"
#include "files/dxf_reader.h"
#include "nc/nc_code.h"
#include "test_util.h"
#include "view/null_canvas.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;
namespace fs = std::filesystem;

class FaultTest : public ::testing::Test {
  protected:
    FaultTest() { ui.program = &p; }
    // Saves through the save command under the drawing's own name.
    void SaveAs(const std::string& path) {
        p.drawing.HasFileName = true;
        p.drawing.FileName = path;
        p.drawing.Modified = true;
        RunMenu(p, "mnuSpara");
    }
    std::vector<std::string> Files(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(FaultTest, SaveIntoAReadOnlyFolderKeepsTheOldFileAndTheChanges) {
    test::ReadOnlyFolder folder("part.vgm", "the old drawing");
    if (!folder.Usable()) GTEST_SKIP() << "no read-only folder can be made here";
    AddLine(p, 0, 0, 1, 1, false, false, false);
    SaveAs(folder.File());
    EXPECT_EQ(ReadFile(folder.File()), "the old drawing");
    EXPECT_TRUE(p.drawing.Modified);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("SaveGEO()"), std::string::npos);
}

TEST_F(FaultTest, SaveOntoAFullDiskKeepsTheOldFileAndLeavesNoDebris) {
    test::SmallDisk disk(64);
    if (!disk.Usable()) GTEST_SKIP() << "no small file system can be made here";
    WriteFile(disk.File("part.vgm"), "the old drawing");
    disk.Fill();
    for (int i = 0; i < 2000; ++i)
        AddLine(p, i, 0, i, 1, false, true, false);
    SaveAs(disk.File("part.vgm"));
    EXPECT_EQ(ReadFile(disk.File("part.vgm")), "the old drawing");
    EXPECT_TRUE(p.drawing.Modified);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Felnummer: 61"), std::string::npos)
        << ui.messages[0].text;  // disk full
    EXPECT_EQ(Files(disk.Path()), (std::vector<std::string>{"filler", "part.vgm"}));
}

// A save killed half-way: the file is the old drawing or the new one, whole, never a part.
TEST_F(FaultTest, InterruptedSaveNeverLeavesAHalfFile) {
    const std::string path = dir.File("part.vgm");
    AddLine(p, 0, 0, 1, 1, false, true, false);
    ASSERT_TRUE(SaveGEO(p, path));
    for (int attempt = 0; attempt < 5; ++attempt) {
        const pid_t child = ::fork();
        if (child == 0) {
            FakeUi quiet;
            Program big(quiet, dir.Path());
            for (int i = 0; i < 30000; ++i)
                AddLine(big, i, 0, i, 1, false, true, false);
            for (;;)
                SaveGEO(big, path);
        }
        ::usleep(20000 + attempt * 15000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        FakeUi check;
        Program q(check, dir.Path());
        std::string name = path;
        LoadGEO(q, name);
        EXPECT_TRUE(check.messages.empty()) << check.messages[0].text;
        EXPECT_TRUE(q.drawing.ObjectCount == 1 || q.drawing.ObjectCount == 30000)
            << q.drawing.ObjectCount;
    }
}

class EngineFault : public FaultTest {
  protected:
    EngineFault() {
        fs::create_directories(dir.File("POST"));
        fs::copy_file(std::string(VT_POST_DIR) + "/iso_fanuc_mill.vtp", dir.File("POST/iso.vtp"));
        WriteFile(dir.File("veltrum32.ini"), "[Program]\r\nMaskinAsk=False\r\n");
        MainWindowLoad(p, "");
        AddLine(p, 0, 0, 10, 0, false, false, false);
        ToolPathOp o;
        o.Typ = 1;
        o.X = 10;
        o.Label = "P1";
        p.toolPath.Ops.push_back(o);
        p.toolPath.Count = 1;
    }
    void Engine(const std::string& script) {
        WriteFile(dir.File("vtengine"), "#!/bin/sh\n" + script);
        fs::permissions(dir.File("vtengine"), fs::perms::owner_all);
    }
};

TEST_F(EngineFault, GarbageAndSilenceAreNotShownAsPrograms) {
    // Bytes that are no text: a message, and no program.
    Engine("printf 'G1 X1\\000\\377\\001' > pp.nc\n");
    GenNCCode(p);
    EXPECT_EQ(p.uiState.ncCodeText, "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Postprocessorn misslyckades:", 0), 0u);
    // Success claimed, nothing written.
    Engine("exit 0\n");
    GenNCCode(p);
    EXPECT_EQ(p.uiState.ncCodeText, "");
    EXPECT_EQ(ui.messages.size(), 2u);
    // A crash after an earlier good run: the old program is not shown.
    Engine("echo 'G0 X0' > pp.nc\n");
    GenNCCode(p);
    EXPECT_EQ(p.uiState.ncCodeText, "G0 X0\r\n");
    Engine("kill -SEGV $$\n");
    GenNCCode(p);
    EXPECT_EQ(p.uiState.ncCodeText, "");
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST_F(FaultTest, BrokenPlugInsLetTheProgramGoOn) {
    fs::create_directories(dir.File("plugins"));
    fs::copy_file(VT_EXAMPLE_PLUGIN, dir.File("plugins/a_bulthal.so"));
    fs::copy_file(VT_EXAMPLE_PLUGIN, dir.File("plugins/bulthal.so"));  // the right class name
    // A real library without the factory.
    for (const char* lib :
         {"/lib/x86_64-linux-gnu/libm.so.6", "/usr/lib/x86_64-linux-gnu/libm.so.6"})
        if (fs::exists(lib) && !fs::exists(dir.File("plugins/libm.so")))
            fs::copy_file(lib, dir.File("plugins/libm.so"));
    MainWindowLoad(p, "");
    // a_bulthal.so asks for class a_bulthal.plugin, which the library does not make: loading stops
    // at the first library, with the message, and the program goes on.
    EXPECT_TRUE(p.plugins.items.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("a_bulthal.so"), std::string::npos);
    AddLine(p, 0, 0, 1, 1, false, false, false);
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    ui.messages.clear();
    fs::remove(dir.File("plugins/a_bulthal.so"));
    FakeUi ui2;
    Program q(ui2, dir.Path());
    ui2.program = &q;
    MainWindowLoad(q, "");
    EXPECT_EQ(q.plugins.items.size(), 1u);  // bulthal.so, then libm.so stops the loading
    if (fs::exists(dir.File("plugins/libm.so"))) {
        ASSERT_EQ(ui2.messages.size(), 1u);
        EXPECT_NE(ui2.messages[0].text.find("libm.so"), std::string::npos);
    }
}

TEST_F(FaultTest, SettingsAndLanguageFilesOfAnyShape) {
    const std::string huge = "[LANGUAGE]\r\n" + std::string(8 << 20, 'x') + "\r\n2000=big\r\n";
    const std::string shapes[] = {
        "", std::string(4096, '\0'), huge,
        "[LANGUAGE]\r\n2000=a\r\n2000=b\r\n[LANGUAGE]\r\n2000=c\r\n",
        "[Program]\r\nMaxPoints=-5\r\nArcMode=99999\r\nBackColor=red\r\n"};
    for (const std::string& s : shapes) {
        WriteFile(dir.File("veltrum32.ini"), s);
        WriteFile(dir.File("Veltrum32.LNG"), s);
        FakeUi ui2;
        Program q(ui2, dir.Path());
        ui2.program = &q;
        MainWindowLoad(q, "");
        EXPECT_TRUE(ui2.messages.empty()) << s.substr(0, 40);
        EXPECT_EQ(q.settings.MaxPoints, 4000);
        EXPECT_EQ(q.settings.ArcMode, 1);
        (void)q.language.GetText(2000);
    }
    WriteFile(dir.File("Veltrum32.LNG"), "[LANGUAGE]\r\n2000=a\r\n2000=b\r\n");
    Program q(ui, dir.Path());
    EXPECT_EQ(q.language.GetText(2000), "a");  // the first of duplicate keys
}

TEST_F(FaultTest, TheObjectLimitByConstructionAndImport) {
    MainWindowLoad(p, "");
    // A construction at the limit: the overflow report, the table unchanged.
    p.drawing.Objects.resize(kMaxCount + 1);
    p.drawing.ObjectCount = kMaxCount;
    RunMenu(p, "mnuLinjelm2a");
    ui.dialogs = {test::Ok({"0", "0"}), test::Ok({"5", "5"})};
    std::string a, b, c;
    ValueInput(p, a, b, c);
    ValueInput(p, a, b, c);
    EXPECT_EQ(p.drawing.ObjectCount, kMaxCount);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().text.find("Felnummer: 6"), std::string::npos);
    // An import past the limit imports nothing and says how many objects it would need.
    NewDrawing(p);
    ui.messages.clear();
    std::string dxf = "0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i < kMaxCount + 100; ++i)
        dxf += "0\nPOINT\n10\n" + std::to_string(i) + "\n20\n0\n";
    dxf += "0\nENDSEC\n0\nEOF\n";
    WriteFile(dir.File("many.dxf"), dxf);
    EXPECT_FALSE(LoadDXF(p, dir.File("many.dxf")));
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("32867 (32767)"), std::string::npos) << ui.messages[0].text;
}

TEST_F(FaultTest, NumbersAtTheEdges) {
    MainWindowLoad(p, "");
    p.view.W = 640;
    p.view.H = 400;
    // Huge, tiny and far-apart objects; circles at the radius limits.
    AddLine(p, -9e7, -9e7, 9e7, 9e7, false, false, false);
    AddLine(p, 1e-12, 1e-12, 2e-12, 1e-12, false, false, false);
    AddLine(p, 5, 5, 5, 5, false, false, false);
    for (double r : {1e-12, 9.9e7, 0.0}) {
        double rr = r;
        AddArc(p, 1e7, -1e7, 0, 0, rr, false, false, false);
    }
    UpdatePoints(p);
    ZoomScreen(p, false);
    NullCanvas c(640, 400);
    RitYta_Paint(p, c);
    for (double s : {1e-300, 1e300}) {
        p.view.Skala = s;
        RitYta_Paint(p, c);
    }
    // Not-a-number typed through expressions: refused by the input, nothing added.
    const int before = p.drawing.ObjectCount;
    RunMenu(p, "mnuCirkeloor");
    ui.dialogs = {test::Ok({"sqrt(-1)", "0/0", "1e400"})};
    std::string a, b, c3;
    ValueInput(p, a, b, c3);
    for (int i = before + 1; i <= p.drawing.ObjectCount; ++i) {
        const RitObjekt& o = p.drawing.Obj(i);
        EXPECT_TRUE(std::isfinite(o.CX) && std::isfinite(o.CY) && std::isfinite(o.R));
    }
    RitYta_Paint(p, c);
}

}  // namespace
}  // namespace vt
