// The file commands with their dialogs, and the files of start-up and closing.
#include "commands/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/program.h"
#include "app/settings.h"
#include "app/startup.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "commands/file_folders.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class FileCommandTest : public ::testing::Test {
  protected:
    FileCommandTest() {
        ui.program = &p;
        MainWindowLoad(p, "");
        AddRitPoint(p, 1, 2, false, false, false);
        SaveGEO(p, dir.File("part.vgm"));
        SaveGEO(p, dir.File("part.vtm"));
        WriteFile(dir.File("part.geo"), "P,3,4\n");
        WriteFile(dir.File("part.dxf"),
                  "0\nSECTION\n2\nENTITIES\n0\nPOINT\n10\n5\n20\n6\n0\nEOF\n");
        WriteFile(dir.File("part.txt"), "x");
        NewDrawing(p);
    }
    void Open(const std::string& file, int filter) {
        ui.files = {FileDialogResult{true, dir.File(file), filter}};
        mnuOppna_Click(p);
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(FileCommandTest, OpenDispatchTable) {
    // An older drawing or a DXF file is not the drawing's own file: Save asks, proposing the
    // same name as a drawing (.vgm), and never writes over the file it came from.
    struct Case {
        const char* file;
        int filter;
        double x;  // of the one object read
        bool hasName, modified;
        const char* name;
    };
    const Case cases[] = {
        {"part.vgm", 1, 1, true, false, "part.vgm"},  {"part.geo", 2, 3, false, false, "part.vgm"},
        {"part.dxf", 3, 5, false, false, "part.vgm"}, {"part.vgm", 4, 1, true, false, "part.vgm"},
        {"part.vtm", 4, 1, false, true, ""},          {"part.geo", 4, 3, false, true, "part.vgm"},
        {"part.dxf", 4, 5, false, false, "part.vgm"},
    };
    for (const Case& c : cases) {
        Open(c.file, c.filter);
        ASSERT_EQ(p.drawing.ObjectCount, 1) << c.file << c.filter;
        EXPECT_EQ(p.drawing.Obj(1).X1, c.x) << c.file << c.filter;
        EXPECT_EQ(p.drawing.HasFileName, c.hasName) << c.file << c.filter;
        EXPECT_EQ(p.drawing.Modified, c.modified) << c.file << c.filter;
        EXPECT_EQ(p.drawing.FileName, *c.name ? dir.File(c.name) : "") << c.file << c.filter;
        p.drawing.Modified = false;
    }
    const FileDialogRequest& r = ui.fileRequests.back();
    EXPECT_EQ(r.title, "Öppna ritning");
    EXPECT_EQ(r.filter,
              "Veltrum32 Geometri (*.vgm)|*.vgm|Veltrum Geometri (*.geo)|*.geo|DXF fil "
              "(*.dxf*)|*.dxf|Alla "
              "filer (*.*)|*.*");
    EXPECT_EQ(r.defaultExtension, "vgm");
    // The first dialog starts in the drawing folder (made for it), the next in the last one used.
    EXPECT_EQ(ui.fileRequests.front().initialFolder, p.settings.GEOpath);
    EXPECT_TRUE(std::filesystem::is_directory(p.settings.GEOpath));
    EXPECT_EQ(r.initialFolder, dir.Path());
    EXPECT_TRUE(r.mustExist);
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [  ]");
}

// Each kind of file dialog starts where that kind was last chosen, kept in the settings file's
// History section for the next run; without one, in the Veltrum32 folder of the documents.
TEST(FileFolders, EachKindStartsWhereItWasLastChosen) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.File("program"));
    std::filesystem::create_directory(dir.File("program"));
    p.paths.documents = dir.File("Documents");
    LoadSettings(p);
    EXPECT_EQ(p.settings.GEOpath, dir.File("Documents/Veltrum32/"));
    EXPECT_EQ(p.settings.NCpath, dir.File("Documents/Veltrum32/"));
    EXPECT_EQ(StartFolder(p, FileKind::Dxf), dir.File("Documents/Veltrum32/"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Documents/Veltrum32")));
    std::filesystem::create_directories(dir.File("parts/dxf"));
    std::filesystem::create_directories(dir.File("nc"));
    RememberFolder(p, FileKind::Dxf, dir.File("parts/dxf/flange.dxf"));
    RememberFolder(p, FileKind::NcProgram, dir.File("nc/o1234.nc"));
    EXPECT_EQ(StartFolder(p, FileKind::Dxf), dir.File("parts/dxf"));
    EXPECT_EQ(StartFolder(p, FileKind::NcProgram), dir.File("nc"));
    EXPECT_EQ(StartFolder(p, FileKind::Drawing), dir.File("Documents/Veltrum32/"));
    // The next run starts there too; a folder since removed falls back to the setting.
    FakeUi ui2;
    Program next(ui2, dir.File("program"));
    next.paths.documents = dir.File("Documents");
    std::filesystem::remove(dir.File("nc"));
    LoadSettings(next);
    EXPECT_EQ(StartFolder(next, FileKind::Dxf), dir.File("parts/dxf"));
    EXPECT_EQ(StartFolder(next, FileKind::NcProgram), dir.File("Documents/Veltrum32/"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandTest, UnknownTypeKeepsTheDrawing) {
    Open("part.vgm", 1);
    ui.messages.clear();
    Open("part.txt", 4);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Okänd fil");
    EXPECT_EQ(
        ui.messages[0].text,
        "Okänd filtyp. Kontrollera att filen du försöker öppna är en fil som Veltrum32 stödjer.");
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.FileName, dir.File("part.vgm"));
}

// A file that cannot be read never costs the drawing: its objects, tool path, name and modified
// flag stay, and the next Save goes to the drawing's own file.
TEST_F(FileCommandTest, AFileThatCannotBeReadKeepsTheDrawing) {
    const std::string damaged =
        "\"Ortix Veltrum 1.1.36\",1\n\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n"
        "2\n3,0,0,0,0,1,1,0,0\n3,0,0\n";
    WriteFile(dir.File("damaged.vgm"), damaged);
    WriteFile(dir.File("foreign.vgm"), std::string("\x89PNG\r\n\x1a\n", 8) + "random bytes");
    WriteFile(dir.File("words.dxf"), "just some text\nin a file\n");
    WriteFile(dir.File("empty.geo"), "nothing,to,read\n");
    const std::pair<const char*, int> files[] = {
        {"damaged.vgm", 1}, {"foreign.vgm", 4}, {"words.dxf", 3}, {"empty.geo", 2}};
    for (const auto& [file, filter] : files) {
        p.drawing.Modified = false;
        Open("part.vgm", 1);
        AddRitPoint(p, 9, 9, false, false, false);
        p.toolPath.Ops.push_back(ToolPathOp{});
        p.toolPath.Count = 1;
        ui.messages.clear();
        ui.answers = {MsgAnswer::No};  // do not save the changes first
        Open(file, filter);
        EXPECT_GE(ui.messages.size(), 2u) << file;  // the question, then why the file failed
        EXPECT_EQ(p.drawing.ObjectCount, 2) << file;
        EXPECT_EQ(p.drawing.Obj(2).X1, 9) << file;
        EXPECT_EQ(p.toolPath.Count, 1) << file;
        EXPECT_EQ(p.drawing.FileName, dir.File("part.vgm")) << file;
        EXPECT_TRUE(p.drawing.HasFileName) << file;
        EXPECT_TRUE(p.drawing.Modified) << file;
        EXPECT_EQ(p.uiState.caption, "Veltrum32 - [  ] - " + dir.File("part.vgm")) << file;
    }
    EXPECT_TRUE(mnuSpara_Click(p));
    EXPECT_NE(ReadFile(dir.File("part.vgm")).find("3,0,0,0,0,9,9,0,0"), std::string::npos);
    EXPECT_EQ(ReadFile(dir.File("damaged.vgm")), damaged);  // never written
}

// An older drawing is saved as a drawing of its own: Save asks, proposing the .vgm name, and the
// .geo file is left as it was.
TEST_F(FileCommandTest, SavingAnOlderDrawingAsksForADrawingName) {
    Open("part.geo", 2);
    ui.files = {FileDialogResult{true, dir.File("part.vgm"), 1}};
    EXPECT_TRUE(mnuSpara_Click(p));
    ASSERT_FALSE(ui.fileRequests.empty());
    EXPECT_EQ(ui.fileRequests.back().proposedName, dir.File("part.vgm"));
    EXPECT_EQ(ReadFile(dir.File("part.geo")), "P,3,4\n");
    EXPECT_EQ(p.drawing.FileName, dir.File("part.vgm"));
    EXPECT_TRUE(p.drawing.HasFileName);
}

TEST_F(FileCommandTest, OpenAsksAboutUnsavedChanges) {
    AddRitPoint(p, 9, 9, false, false, false);
    ui.answers = {MsgAnswer::Cancel};
    Open("part.vgm", 1);
    EXPECT_EQ(p.drawing.Obj(1).X1, 9);
    EXPECT_EQ(ui.messages[0].title, "Öppna");
    EXPECT_EQ(ui.messages[0].text, "Spara ändringarna innan du avslutar ?");
    EXPECT_EQ(ui.files.size(), 1u);  // no dialog was shown
}

TEST_F(FileCommandTest, SaveAsTemplateKeepsNameAndState) {
    Open("part.vgm", 1);
    AddRitPoint(p, 7, 7, false, false, false);
    ui.files = {FileDialogResult{true, dir.File("new.vtm"), 2}};
    EXPECT_TRUE(mnuSparasom_Click(p));
    EXPECT_TRUE(std::filesystem::exists(dir.File("new.vtm")));
    EXPECT_EQ(p.drawing.FileName, dir.File("part.vgm"));
    EXPECT_TRUE(p.drawing.Modified);
    EXPECT_EQ(ui.fileRequests.back().title, "Spara geometri");
    EXPECT_TRUE(ui.fileRequests.back().confirmOverwrite);
    ui.files = {FileDialogResult{true, dir.File("other.vgm"), 1}};
    EXPECT_TRUE(mnuSparasom_Click(p));
    EXPECT_EQ(p.drawing.FileName, dir.File("other.vgm"));
    EXPECT_FALSE(p.drawing.Modified);
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [  ] - " + dir.File("other.vgm"));
    AddRitPoint(p, 8, 8, false, false, false);
    EXPECT_TRUE(mnuSpara_Click(p));  // under its name, no dialog
    EXPECT_FALSE(p.drawing.Modified);
    EXPECT_NE(ReadFile(dir.File("other.vgm")).find("3,0,0,0,0,8,8,0,0"), std::string::npos);
}

TEST_F(FileCommandTest, AFailedSaveKeepsTheDrawingModified) {
    WriteFile(dir.File("plain"), "x");
    p.drawing.HasFileName = true;
    p.drawing.FileName = dir.File("plain/part.vgm");
    p.drawing.Modified = true;
    EXPECT_FALSE(mnuSpara_Click(p));
    EXPECT_TRUE(p.drawing.Modified);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Path not found"), std::string::npos) << ui.messages[0].text;
}

TEST_F(FileCommandTest, NewAsksTwice) {
    AddRitPoint(p, 1, 1, false, false, false);
    p.drawing.HasFileName = true;
    p.drawing.FileName = dir.File("n.vgm");
    ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
    mnuNy_Click(p);
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    EXPECT_EQ(ui.messages[0].title, "Ny");
    EXPECT_EQ(ui.messages[1].text, "Är du säker på att du vill radera ritningen?");
    AddRitPoint(p, 1, 1, false, false, false);
    ui.answers = {MsgAnswer::No, MsgAnswer::No};
    mnuNy_Click(p);
    EXPECT_EQ(p.drawing.ObjectCount, 1);
}

TEST_F(FileCommandTest, ExportKeepsTheDrawingsOwnFile) {
    Open("part.vgm", 1);
    p.drawing.Modified = true;
    ui.answers = {MsgAnswer::No};
    ui.files = {FileDialogResult{true, dir.File("x.rit"), 1}};
    mnuExportRit_Click(p);
    EXPECT_TRUE(std::filesystem::exists(dir.File("x.rit")));
    EXPECT_EQ(p.drawing.FileName, dir.File("part.vgm"));
    EXPECT_TRUE(p.drawing.Modified);
    ui.answers = {MsgAnswer::No};
    ui.files = {FileDialogResult{true, dir.File("x.rit"), 1}};
    mnuImportRit_Click(p);
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_FALSE(p.drawing.HasFileName || p.drawing.Modified);
}

TEST_F(FileCommandTest, StartAndClose) {
    // A template on the command line opens untitled and unmodified.
    Program a(ui, dir.Path());
    MainWindowLoad(a, dir.File("part.vtm"));
    EXPECT_EQ(a.drawing.ObjectCount, 1);
    EXPECT_FALSE(a.drawing.HasFileName || a.drawing.Modified);
    Program b(ui, dir.Path());
    MainWindowLoad(b, dir.File("part.vgm"));
    EXPECT_TRUE(b.drawing.HasFileName);
    EXPECT_EQ(b.uiState.caption, "Veltrum32 - [  ] - " + dir.File("part.vgm"));
    // last.dat with LoadLastDrawing 1, autoload.vtm with 2, nothing with 0.
    SaveGEO(b, dir.File("last.dat"));
    WriteFile(dir.File("autoload.vtm"), ReadFile(dir.File("part.vtm")));
    for (int mode : {0, 1, 2}) {
        WriteFile(dir.File("veltrum32.ini"),
                  "[Program]\nLoadLastDrawing=" + std::to_string(mode) + "\n");
        Program c(ui, dir.Path());
        MainWindowLoad(c, "");
        EXPECT_EQ(c.drawing.ObjectCount, mode == 0 ? 0 : 1) << mode;
        EXPECT_FALSE(c.drawing.HasFileName);
    }
    // Closing with LoadLastDrawing 1 writes last.dat, also for an empty drawing.
    WriteFile(dir.File("veltrum32.ini"), "[Program]\nLoadLastDrawing=1\n");
    Program d(ui, dir.Path());
    MainWindowLoad(d, "");
    NewDrawing(d);
    MainWindowUnload(d, nullptr, false);
    EXPECT_NE(ReadFile(dir.File("last.dat")).find("\r\n0\r\n0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vt
