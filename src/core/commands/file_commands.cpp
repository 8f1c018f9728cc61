// New, open, save, save as, DXF import, exchange files, and the files of start-up and closing.
#include "commands/file_commands.h"

#include "commands/file_folders.h"

#include <cctype>

#include "app/program.h"
#include "app/startup.h"
#include "base/text_file.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "commands/file_folders.h"
#include "commands/history.h"
#include "files/dxf_reader.h"
#include "files/dxf_writer.h"
#include "files/old_geo.h"
#include "files/rit_file.h"
#include "view/view.h"

namespace vt {

namespace {

const char* kOpenFilter =
    "Veltrum32 Geometri (*.vgm)|*.vgm|Veltrum Geometri (*.geo)|*.geo|DXF fil (*.dxf*)|*.dxf|Alla "
    "filer (*.*)|*.*";
const char* kSaveFilter =
    "Veltrum32 Geometri (*.vgm)|*.vgm|Veltrum32 Mall (*.vtm)|*.vtm|Alla filer (*.*)|*.*";
const char* kDxfFilter = "DXF fil (*.dxf*)|*.dxf|Alla filer (*.*)|*.*";
const char* kDxfExportFilter = "DXF R12 (*.dxf)|*.dxf|DXF R2000 (*.dxf)|*.dxf";
const char* kRitFilter = "Banmodul fil (*.rit*)|*.rit|Alla filer (*.*)|*.*";

std::string Extension(const std::string& path) {
    std::size_t slash = path.find_last_of('/'), dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string e = path.substr(dot + 1);
    for (char& c : e)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return e;
}

FileDialogResult Ask(Program& p, FileKind kind, bool save, const std::string& title,
                     const char* filter, const char* ext, const std::string& proposed = "") {
    FileDialogRequest r;
    r.save = save;
    r.title = title;
    r.filter = filter;
    r.defaultExtension = ext;
    r.initialFolder = StartFolder(p, kind);
    r.proposedName = proposed;
    r.confirmOverwrite = save;
    r.mustExist = !save;
    FileDialogResult f = p.ui.FileDialog(r);
    if (f.chosen) RememberFolder(p, kind, f.path);
    return f;
}

void SetDocument(Program& p, bool hasName, bool modified, const std::string& name) {
    p.drawing.HasFileName = hasName;
    p.drawing.Modified = modified;
    p.drawing.FileName = name;
}

// The kinds the open command reads, by lower-case extension.
enum class Kind { Native, Template, OldGeo, Dxf, Unknown };
Kind KindOf(const std::string& path) {
    std::string e = Extension(path);
    if (e == "vgm") return Kind::Native;
    if (e == "vtm") return Kind::Template;
    if (e == "geo") return Kind::OldGeo;
    if (e == "dxf") return Kind::Dxf;
    return Kind::Unknown;
}

// The drawing's own name for a file read from another format: the same name as a drawing.
std::string NativeName(const std::string& path) {
    std::size_t slash = path.find_last_of('/'), dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + ".vgm";
    return path.substr(0, dot) + ".vgm";
}

// The document as it was before a file was read into it, put back when the file cannot be read:
// a damaged or foreign file never costs the drawing, its name or its modified flag.
class DocumentBackup {
  public:
    explicit DocumentBackup(const Program& p)
        : objects_(p.drawing.Objects),
          count_(p.drawing.ObjectCount),
          undo_(p.drawing.UndoList),
          undoCount_(p.drawing.UndoCount),
          modified_(p.drawing.Modified),
          hasName_(p.drawing.HasFileName),
          name_(p.drawing.FileName),
          path_(p.toolPath),
          job_(p.jobSettings),
          code_(p.uiState.ncCodeText),
          status_(p.uiState.ncStatusText) {}
    void Restore(Program& p) {
        Drawing& d = p.drawing;
        d.Objects = std::move(objects_);
        d.ObjectCount = count_;
        d.UndoList = std::move(undo_);
        d.UndoCount = undoCount_;
        d.Modified = modified_;
        d.HasFileName = hasName_;
        d.FileName = name_;
        p.toolPath = std::move(path_);
        p.jobSettings = std::move(job_);
        p.uiState.ncCodeText = code_;
        p.uiState.ncStatusText = status_;
        p.view.ViewChanged = true;
        UpdatePoints(p);
        SetMainCaption(p);
        p.ui.Refresh();
    }

  private:
    std::vector<RitObjekt> objects_;
    int16_t count_;
    std::vector<UndoRecord> undo_;
    int16_t undoCount_;
    bool modified_, hasName_;
    std::string name_;
    ToolPath path_;
    JobValues job_;
    std::string code_, status_;
};

// Reads a file with `read`; true when it could be read. Otherwise everything is as it was.
template <typename Read>
bool ReadKeeping(Program& p, Read&& read) {
    DocumentBackup backup(p);
    if (read()) return true;
    backup.Restore(p);
    return false;
}

// The readers by kind, each on an emptied drawing, and the document state they leave on success:
// a drawing keeps its name; a template is untitled; an older drawing or a DXF file is saved under
// a drawing name of its own (Save asks), never over the file it came from.
bool OpenNative(Program& p, std::string name) {
    return ReadKeeping(p, [&] {
        NewDrawing(p);
        if (!LoadGEO(p, name)) return false;
        SetDocument(p, true, false, name);
        return true;
    });
}
bool OpenTemplate(Program& p, std::string name, bool modified) {
    return ReadKeeping(p, [&] {
        NewDrawing(p);
        if (!LoadGEO(p, name)) return false;
        SetDocument(p, false, modified, "");
        return true;
    });
}
bool OpenOldGeo(Program& p, const std::string& path, bool modified) {
    return ReadKeeping(p, [&] {
        if (!LoadOldGEO(p, path)) return false;
        SetDocument(p, false, modified, NativeName(path));
        return true;
    });
}
bool OpenDxf(Program& p, const std::string& path) {
    return ReadKeeping(p, [&] {
        if (!LoadDXF(p, path)) return false;
        SetDocument(p, false, false, NativeName(path));
        return true;
    });
}

void UnknownType(Program& p) {
    p.ui.MessageBox(p.language.GetText(2300), p.language.GetText(1275), MsgButtons::Ok,
                    MsgIcon::Exclamation);
}

}  // namespace

bool AskSaveChanges(Program& p, int titleText) {
    if (!p.drawing.Modified) return true;
    MsgAnswer a = p.ui.MessageBox(p.language.GetText(1056), p.language.GetText(titleText),
                                  MsgButtons::YesNoCancel, MsgIcon::Question);
    if (a == MsgAnswer::Cancel) return false;
    // A save that was cancelled or failed must not let the changes go.
    if (a == MsgAnswer::Yes) return mnuSpara_Click(p);
    return true;
}

void mnuNy_Click(Program& p) {
    ResetOperation(p);
    if (!AskSaveChanges(p, 1055)) return;
    if (p.ui.MessageBox(p.language.GetText(1057), p.language.GetText(1055), MsgButtons::YesNo,
                        MsgIcon::Question) != MsgAnswer::Yes)
        return;
    NewDrawing(p);
    ResetHistory(p);
    p.ui.Refresh();
}

bool OpenByExtension(Program& p, const std::string& path) {
    switch (KindOf(path)) {
        case Kind::Native:
            OpenNative(p, path);
            return true;
        case Kind::Template:
            OpenTemplate(p, path, true);
            return true;
        case Kind::OldGeo:
            OpenOldGeo(p, path, true);
            return true;
        case Kind::Dxf:
            OpenDxf(p, path);
            return true;
        case Kind::Unknown:
            return false;
    }
    return false;
}

void mnuOppna_Click(Program& p) {
    if (!AskSaveChanges(p, 1054)) return;
    RecordChange(p, "");
    const std::string before = p.drawing.FileName;
    FileDialogResult f =
        Ask(p, FileKind::Drawing, false, p.language.GetText(1070), kOpenFilter, "vgm");
    if (!f.chosen) return;
    switch (f.filterIndex) {
        case 1:
            OpenNative(p, f.path);
            break;
        case 2:
            OpenOldGeo(p, f.path, false);
            break;
        case 3:
            OpenDxf(p, f.path);
            break;
        default:
            // An unknown type keeps the drawing as it was.
            if (!OpenByExtension(p, f.path)) UnknownType(p);
            break;
    }
    // An opened file starts a history of its own; a file that could not be read kept the drawing
    // and its history.
    if (!(SameState(p.doc, *p.changes.now)) || p.drawing.FileName != before) ResetHistory(p);
    SetMainCaption(p);
    ZoomScreen(p, false);
}

bool mnuSpara_Click(Program& p) {
    if (!p.drawing.HasFileName) return mnuSparasom_Click(p);
    if (!SaveGEO(p, p.drawing.FileName)) return false;  // reported; the drawing stays modified
    MarkSaved(p);
    SetMainCaption(p);
    return true;
}

bool mnuSparasom_Click(Program& p) {
    FileDialogResult f = Ask(p, FileKind::Drawing, true, p.language.GetText(1280), kSaveFilter,
                             "vgm", p.drawing.FileName);
    if (!f.chosen) return false;
    if (!SaveGEO(p, f.path)) return false;
    // A template does not become the drawing's file.
    if (f.filterIndex != 2) {
        SetDocument(p, true, false, f.path);
        MarkSaved(p);
    }
    SetMainCaption(p);
    return true;
}

// After an import: the import is one change, and the imported tables count as unmodified.
void Imported(Program& p, const char* menu) {
    RecordChange(p, p.language.GetText(Language::MenuKey(menu)));
    MarkSaved(p);
}

void mnuImportDxf_Click(Program& p) {
    ResetOperation(p);
    if (!AskSaveChanges(p, 1054)) return;
    FileDialogResult f = Ask(p, FileKind::Dxf, false, p.language.GetText(1070), kDxfFilter, "dxf");
    // An import is a change that can be undone; the imported drawing has not been changed since.
    if (f.chosen && OpenDxf(p, f.path)) Imported(p, "mnuImportDxf");
    SetMainCaption(p);
    ZoomScreen(p, false);
}

void mnuExportRit_Click(Program& p) {
    ResetOperation(p);
    if (!AskSaveChanges(p, 1054)) return;
    FileDialogResult f =
        Ask(p, FileKind::Exchange, true, p.language.GetText(1070), kRitFilter, "rit");
    if (!f.chosen) return;
    // An export is not a save: the drawing keeps its own file and its unsaved changes.
    ExportRit(p, f.path);
}

void mnuExportDxf_Click(Program& p) {
    ResetOperation(p);
    FileDialogResult f =
        Ask(p, FileKind::Dxf, true, p.language.GetText(1070), kDxfExportFilter, "dxf");
    if (!f.chosen) return;
    // An export is not a save: the drawing keeps its own file and its unsaved changes.
    ExportDxf(p, f.path, f.filterIndex == 2 ? DxfVersion::R2000 : DxfVersion::R12);
}

void mnuImportRit_Click(Program& p) {
    ResetOperation(p);
    if (!AskSaveChanges(p, 1054)) return;
    FileDialogResult f =
        Ask(p, FileKind::Exchange, false, p.language.GetText(1070), kRitFilter, "rit");
    if (!f.chosen) return;
    if (ReadKeeping(p, [&] {
            NewDrawing(p);
            if (!ImportRit(p, f.path)) return false;
            SetDocument(p, false, false, "");
            return true;
        }))
        Imported(p, "mnuImportRit");
    SetMainCaption(p);
    ZoomScreen(p, false);
}

void OpenAtStart(Program& p, const std::string& commandLineFile) {
    if (!commandLineFile.empty()) {
        const Kind kind = KindOf(commandLineFile);
        if (kind == Kind::Unknown || kind == Kind::Native) {
            OpenNative(p, commandLineFile);
        } else if (kind == Kind::Template) {
            OpenTemplate(p, commandLineFile, false);
        } else if (kind == Kind::OldGeo) {
            OpenOldGeo(p, commandLineFile, false);
        } else {
            OpenDxf(p, commandLineFile);
        }
    } else if (p.settings.LoadLastDrawing == 1 && FileExists(p.paths.File("last.dat"))) {
        ReadKeeping(p, [&] {
            std::string name = p.paths.File("last.dat");
            return LoadGEO(p, name);
        });
    } else if (p.settings.LoadLastDrawing == 2 && FileExists(p.paths.File("autoload.vtm"))) {
        ReadKeeping(p, [&] {
            std::string name = p.paths.File("autoload.vtm");
            return LoadGEO(p, name);
        });
    } else {
        ResetHistory(p);
        return;
    }
    ResetHistory(p);
    SetMainCaption(p);
    ZoomScreen(p, false);
}

void SaveLastDrawing(Program& p) {
    if (p.settings.LoadLastDrawing == 1) SaveGEO(p, p.paths.File("last.dat"));
}

}  // namespace vt
