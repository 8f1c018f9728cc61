// The machine list and choice, NC generation through the real engine, and the NC window's
// commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "app/program.h"
#include "app/startup.h"
#include "base/text_file.h"
#include "commands/menu_commands.h"
#include "nc/engine_process.h"
#include "nc/machines.h"
#include "nc/nc_code.h"
#include "nc/nc_window.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

void Copy(const std::string& name, const std::string& to) {
    std::filesystem::copy_file(std::string(VT_POST_DIR) + "/" + name, to);
}

void Op(Program& p, int16_t typ, double x, double y) {
    test::AddMove(p, typ, x, y);
}

// A program folder with the shipped machines (sorted: heidenhain, iso_fanuc_mill,
// iso_lathe_diameter, linuxcnc_mill) and the given settings.
class NcTest : public ::testing::Test {
  protected:
    void Start(const std::string& settings = "MaskinAsk=False\r\n") {
        std::filesystem::create_directory(dir.File("POST"));
        for (const char* m : {"heidenhain.vtp", "iso_fanuc_mill.vtp", "iso_lathe_diameter.vtp",
                              "linuxcnc_mill.vtp"})
            Copy(m, dir.File("POST/") + m);
        WriteFileOrThrow(dir.File("veltrum32.ini"), "[Program]\r\n" + settings);
        ui.program = &p;
        MainWindowLoad(p, "");
    }
    int Index(const std::string& name) const {
        const auto& m = p.uiState.ncMachines;
        return static_cast<int>(std::find(m.begin(), m.end(), name) - m.begin());
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(NcTest, MachineListStopsAtTheFirstNamelessFile) {
    std::filesystem::create_directory(dir.File("POST"));
    WriteFileOrThrow(dir.File("POST/a.vtp"), "[MACHINE]\r\nNamn=Alfa\r\n");
    WriteFileOrThrow(dir.File("POST/b.vtp"), "[MACHINE]\r\nX=Q\r\n");
    WriteFileOrThrow(dir.File("POST/c.vtp"), "[MACHINE]\r\nNamn=Charlie\r\n");
    WriteFileOrThrow(dir.File("POST/notes.txt"), "");
    ui.program = &p;
    MainWindowLoad(p, "");
    EXPECT_EQ(p.uiState.ncMachines, std::vector<std::string>{"Alfa"});
    EXPECT_EQ(p.machines[3].Name, "Charlie");
    EXPECT_EQ(p.uiState.ncMachineIndex, 0);
    EXPECT_EQ(p.settings.DefaultMachine, "Alfa");
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [ Alfa ]");
}

TEST_F(NcTest, StartUpChoiceRules) {
    Start();  // the shipped machines, copied into a folder per case
    // When the chooser comes: settings, and whether it was shown.
    const std::pair<const char*, bool> cases[] = {
        {"", true},                                                    // the first start
        {"DefaultMachine=LinuxCNC fräs\r\n", false},                   // the machine is there
        {"DefaultMachine=Borttagen\r\n", true},                        // the machine is gone
        {"MaskinAsk=True\r\nDefaultMachine=LinuxCNC fräs\r\n", true},  // asked every time
        {"MaskinLast=False\r\nDefaultMachine=LinuxCNC fräs\r\n", false},
        {"MaskinUseDefined=True\r\nMaskinDefined=Borttagen\r\n"
         "DefaultMachine=LinuxCNC fräs\r\n",
         true},
    };
    for (const auto& [settings, asks] : cases) {
        FakeUi fresh;
        TempDir folder;
        std::filesystem::copy(dir.File("POST"), folder.File("POST"));
        WriteFileOrThrow(folder.File("veltrum32.ini"), std::string("[Program]\r\n") + settings);
        Program q(fresh, folder.Path());
        fresh.program = &q;
        MainWindowLoad(q, "");
        FirstActivation(q);
        EXPECT_EQ(fresh.chooserLists.size(), asks ? 1u : 0u) << settings;
        if (asks) EXPECT_EQ(fresh.chooserCurrent[0], q.uiState.ncMachineIndex) << settings;
    }
}

TEST_F(NcTest, FixedMachineAndTheChooser) {
    Start("MaskinAsk=True\r\nMaskinUseDefined=True\r\nMaskinDefined=LinuxCNC fräs\r\n");
    EXPECT_EQ(p.uiState.ncMachines[static_cast<std::size_t>(p.uiState.ncMachineIndex)],
              "LinuxCNC fräs");
    ui.machineChoices.push_back(Index("Svarv diameter (ISO)"));
    FirstActivation(p);
    ASSERT_EQ(ui.chooserLists.size(), 1u);
    EXPECT_EQ(ui.chooserCurrent[0], Index("LinuxCNC fräs"));
    EXPECT_EQ(p.settings.DefaultMachine, "Svarv diameter (ISO)");
    // The lathe names its axes Z and X and doubles drawing Y.
    EXPECT_EQ(p.axisNameX, "Z");
    EXPECT_EQ(p.axisNameY, "X");
    EXPECT_EQ(p.yMult, 2.0);
    EXPECT_EQ(p.xMult, 1.0);
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [ Svarv diameter (ISO) ]");
}

TEST_F(NcTest, MenuEntryChangesTheMachineAndTheCode) {
    Start();
    Op(p, 1, 1, 2);
    RunMenu(p, "mnuNCMachines", Index("ISO fräs (Fanuc)"));
    RunMenu(p, "mnuNCVisaNC");
    EXPECT_TRUE(p.uiState.ncWindowVisible);
    const std::string& code = p.uiState.ncCodeText;
    EXPECT_EQ(code.rfind("%\r\nO1234\r\nN10 G21 G17 G40 G49 G80 G90 G94\r\n", 0), 0u) << code;
    EXPECT_NE(code.find(" X1. Y2. F200. (P1)\r\n"), std::string::npos) << code;
    const auto lines = std::count(code.begin(), code.end(), '\n');
    EXPECT_EQ(p.uiState.ncStatusText, std::to_string(lines) + " rader");
    RunMenu(p, "mnuNCMachines", Index("LinuxCNC fräs"));
    EXPECT_EQ(p.settings.DefaultMachine, "LinuxCNC fräs");
    EXPECT_NE(code.find("x1 y2 f200 (P1)\r\n"), std::string::npos) << code;
    cbBlockNummer_Click(p, false);
    cbComments_Click(p, false);
    SSTabNC_Click(p);
    EXPECT_NE(code.find("x1 y2 f200\r\n"), std::string::npos) << code;
    EXPECT_FALSE(p.settings.BlockNumbers);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(NcTest, NoMachineMeansNoEngineRun) {
    ui.program = &p;
    MainWindowLoad(p, "");  // no machine folder
    Op(p, 1, 1, 2);
    p.uiState.ncCodeText = "old";
    GenNCCode(p);
    EXPECT_EQ(p.uiState.ncCodeText, "");
    EXPECT_EQ(p.uiState.ncStatusText, "0 rader");
    EXPECT_FALSE(FileExists(dir.File("temp.pp")));
}

TEST_F(NcTest, EngineFailuresNeverShowAnOldProgram) {
    Start();
    Op(p, 1, 1, 2);
    GenNCCode(p);
    ASSERT_NE(p.uiState.ncCodeText, "");
    // A machine file that vanished: the engine fails and says why.
    std::filesystem::remove(
        p.machines[static_cast<std::size_t>(p.uiState.ncMachineIndex + 1)].File);
    GenNCCode(p);
    EXPECT_EQ(p.uiState.ncCodeText, "");
    EXPECT_FALSE(FileExists(dir.File("pp.nc")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Postprocessorn misslyckades:\r\nvtengine: ", 0), 0u)
        << ui.messages[0].text;
    // No engine at all.
    WriteFileOrThrow(dir.File("pp.nc"), "G0 X99\n");
    p.enginePath = dir.File("no-engine");
    GenNCCode(p);
    EXPECT_EQ(ui.messages.back().text, "Postprocessorn (vtengine) saknas i programmappen.");
    EXPECT_EQ(p.uiState.ncCodeText, "");
    EXPECT_FALSE(FileExists(dir.File("pp.nc")));
    EXPECT_FALSE(p.uiState.busyCursor);
}

TEST_F(NcTest, HangingOrCrashingEngine) {
    WriteFileOrThrow(dir.File("hang.sh"), "#!/bin/sh\nexec sleep 30\n");
    WriteFileOrThrow(dir.File("crash.sh"), "#!/bin/sh\necho 'bad machine' >&2\nkill -SEGV $$\n");
    std::filesystem::permissions(dir.File("hang.sh"), std::filesystem::perms::owner_all);
    std::filesystem::permissions(dir.File("crash.sh"), std::filesystem::perms::owner_all);
    EngineRun hang = RunEngine(dir.File("hang.sh"), dir.Path(), 200);
    EXPECT_EQ(hang.outcome, EngineOutcome::TimedOut);
    EngineRun crash = RunEngine(dir.File("crash.sh"), dir.Path(), 10000);
    EXPECT_EQ(crash.outcome, EngineOutcome::Failed);
    EXPECT_EQ(crash.errorText, "bad machine");
    EXPECT_EQ(RunEngine(dir.File("none"), dir.Path(), 200).outcome, EngineOutcome::Missing);
}

TEST_F(NcTest, SaveCopyPrintAndTheOperationsList) {
    Start();
    RunMenu(p, "mnuNCMachines", Index("Heidenhain klartext"));
    Op(p, 0, 1.5, 2);
    Op(p, 7, 3, 4);
    Op(p, -1, 5, 6);
    Op(p, 255, 5, 6);
    Op(p, 3, 0.1, -1e-5);
    Op(p, 1, 89.99999999999999, 1.0 / 3);
    auto rows = OperationRows(p);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].number, "1");
    EXPECT_EQ(rows[0].operation, "G0");
    EXPECT_EQ(rows[0].coordinates, "1.5, 2");
    EXPECT_EQ(rows[1].number, "5");
    EXPECT_EQ(rows[1].operation, "G03");
    EXPECT_EQ(rows[1].coordinates, "0.1, -0.00001");
    // Construction noise is rounded away; a decimal comma gets its own separator between X and Y.
    EXPECT_EQ(rows[2].coordinates, "90, 0.3333333333");
    p.decimalSeparator = ',';
    EXPECT_EQ(OperationRows(p)[0].coordinates, "1,5; 2");
    p.decimalSeparator = '.';

    p.toolPath.Clear();
    Op(p, 1, 1, 2);
    ui.files.push_back({true, dir.File("part.h"), 2});
    RunMenu(p, "mnuSparaNCkod");
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Spara NC kod");
    EXPECT_EQ(ui.fileRequests[0].filter,
              "NC Program (*.nc)|*.nc|Heidenhain program (*.h)|*.h|Alla filer (*.*)|*.*");
    EXPECT_EQ(ui.fileRequests[0].initialFolder, p.settings.NCpath);
    std::string saved;
    ASSERT_TRUE(ReadFileBytes(dir.File("part.h"), saved));
    EXPECT_EQ(saved, p.uiState.ncCodeText + "\r\n");
    EXPECT_EQ(saved.rfind("0 BEGIN PGM 1234 MM\r\n1 TOOL CALL 1 Z S1000\r\n", 0), 0u) << saved;
    EXPECT_NE(saved.find(" L X+1.000 Y+2.000 R0 F200 ; P1\r\n"), std::string::npos) << saved;

    auto files = [&] {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            names.insert(e.path().filename());
        return names;
    };
    const auto before = files();
    RunMenu(p, "mnuSparaNCkod");  // cancelled
    EXPECT_EQ(files(), before);

    p.uiState.ncCodeText = "edited";
    RunMenu(p, "cmdClipboard");
    EXPECT_EQ(ui.clipboard, "edited");
    ui.printAnswers.push_back(PrintOptions{});
    RunMenu(p, "mnuSkirvNCkod");
    ASSERT_EQ(ui.printModes, std::vector<PrintMode>{PrintMode::NcCode});
    // Generated again first, one text line per program line.
    const auto pages = ui.PrintedText();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].front(), "0 BEGIN PGM 1234 MM");
    EXPECT_EQ(pages[0].size(),
              static_cast<std::size_t>(
                  std::count(p.uiState.ncCodeText.begin(), p.uiState.ncCodeText.end(), '\n')));
}

TEST_F(NcTest, PathChangesRegenerateOnlyWhileTheWindowIsShown) {
    Start();
    Op(p, 1, 1, 2);
    RunMenu(p, "mnuNCundolast");
    EXPECT_FALSE(FileExists(dir.File("temp.pp")));
    RunMenu(p, "mnuNCVisaNC");
    const std::string empty = p.uiState.ncCodeText;
    Op(p, 1, 1, 2);
    Op(p, 1, 3, 2);
    RunMenu(p, "mnuNCundolast");
    EXPECT_NE(p.uiState.ncCodeText, empty);
    EXPECT_NE(p.uiState.ncCodeText.find("X+1.000"), std::string::npos);
    NcWindowClosed(p);
    RunMenu(p, "mnuNCundolast");
    EXPECT_NE(p.uiState.ncCodeText.find("X+1.000"), std::string::npos);  // not regenerated
}

}  // namespace
}  // namespace vt
