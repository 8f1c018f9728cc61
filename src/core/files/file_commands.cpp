// New, open, save, save as, DXF import, exchange files, and the files of start-up and closing.
#include "files/file_commands.h"

#include <cctype>

#include "app/program.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "commands/command_reset.h"
#include "files/dxf_reader.h"
#include "files/native_file.h"
#include "files/old_geo.h"
#include "files/rit_file.h"
#include "model/drawing_ops.h"
#include "view/view.h"

namespace vt {

namespace {

const char* kOpenFilter =
    "Veltrum32 Geometri (*.vgm)|*.vgm|Veltrum Geometri (*.geo)|*.geo|DXF fil (*.dxf*)|*.dxf|Alla "
    "filer (*.*)|*.*";
const char* kSaveFilter =
    "Veltrum32 Geometri (*.vgm)|*.vgm|Veltrum32 Mall (*.vtm)|*.vtm|Alla filer (*.*)|*.*";
const char* kDxfFilter = "DXF fil (*.dxf*)|*.dxf|Alla filer (*.*)|*.*";
const char* kRitFilter = "Banmodul fil (*.rit*)|*.rit|Alla filer (*.*)|*.*";

std::string Extension(const std::string& path) {
    std::size_t slash = path.find_last_of('/'), dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string e = path.substr(dot + 1);
    for (char& c : e)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return e;
}

FileDialogResult Ask(Program& p, bool save, const std::string& title, const char* filter,
                     const char* ext, const std::string& proposed = "") {
    FileDialogRequest r;
    r.save = save;
    r.title = title;
    r.filter = filter;
    r.defaultExtension = ext;
    r.initialFolder = p.settings.GEOpath;
    r.proposedName = proposed;
    r.confirmOverwrite = save;
    r.mustExist = !save;
    return p.ui.FileDialog(r);
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

void UnknownType(Program& p) {
    p.ui.MessageBox(p.language.GetText(2300), "Okänd fil", MsgButtons::Ok, MsgIcon::Exclamation);
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
    p.ui.Refresh();
}

bool OpenByExtension(Program& p, const std::string& path) {
    std::string name = path;
    switch (KindOf(path)) {
        case Kind::Native:
            NewDrawing(p);
            if (LoadGEO(p, name)) SetDocument(p, true, false, name);
            return true;
        case Kind::Template:
            NewDrawing(p);
            LoadGEO(p, name);
            SetDocument(p, false, true, "");
            return true;
        case Kind::OldGeo:
            NewDrawing(p);
            LoadOldGEO(p, path);
            SetDocument(p, true, true, path);
            return true;
        case Kind::Dxf:
            NewDrawing(p);
            LoadDXF(p, path);
            SetDocument(p, false, false, "");
            return true;
        case Kind::Unknown:
            return false;
    }
    return false;
}

void mnuOppna_Click(Program& p) {
    if (!AskSaveChanges(p, 1054)) return;
    FileDialogResult f = Ask(p, false, p.language.GetText(1070), kOpenFilter, "vgm");
    if (!f.chosen) return;
    std::string name = f.path;
    switch (f.filterIndex) {
        case 1:
            NewDrawing(p);
            if (LoadGEO(p, name)) SetDocument(p, true, false, name);
            break;
        case 2:
            NewDrawing(p);
            LoadOldGEO(p, name);
            SetDocument(p, true, false, name);
            break;
        case 3:
            NewDrawing(p);
            LoadDXF(p, name);
            SetDocument(p, false, false, "");
            break;
        default:
            // An unknown type keeps the drawing as it was.
            if (!OpenByExtension(p, name)) UnknownType(p);
            break;
    }
    SetMainCaption(p);
    ZoomScreen(p, false);
}

bool mnuSpara_Click(Program& p) {
    if (!p.drawing.HasFileName) return mnuSparasom_Click(p);
    if (!SaveGEO(p, p.drawing.FileName)) return false;  // reported; the drawing stays modified
    p.drawing.Modified = false;
    SetMainCaption(p);
    return true;
}

bool mnuSparasom_Click(Program& p) {
    FileDialogResult f = Ask(p, true, "Spara geometri", kSaveFilter, "vgm", p.drawing.FileName);
    if (!f.chosen) return false;
    if (!SaveGEO(p, f.path)) return false;
    // A template does not become the drawing's file.
    if (f.filterIndex != 2) SetDocument(p, true, false, f.path);
    SetMainCaption(p);
    return true;
}

void mnuImportDxf_Click(Program& p) {
    ResetOperation(p);
    if (!AskSaveChanges(p, 1054)) return;
    FileDialogResult f = Ask(p, false, p.language.GetText(1070), kDxfFilter, "dxf");
    if (f.chosen) {
        NewDrawing(p);
        LoadDXF(p, f.path);
        SetDocument(p, false, false, "");
    }
    SetMainCaption(p);
    ZoomScreen(p, false);
}

void mnuExportRit_Click(Program& p) {
    ResetOperation(p);
    if (!AskSaveChanges(p, 1054)) return;
    FileDialogResult f = Ask(p, true, p.language.GetText(1070), kRitFilter, "rit");
    if (!f.chosen) return;
    // An export is not a save: the drawing keeps its own file and its unsaved changes.
    ExportRit(p, f.path);
}

void mnuImportRit_Click(Program& p) {
    ResetOperation(p);
    if (!AskSaveChanges(p, 1054)) return;
    FileDialogResult f = Ask(p, false, p.language.GetText(1070), kRitFilter, "rit");
    if (!f.chosen) return;
    NewDrawing(p);
    ImportRit(p, f.path);
    SetDocument(p, false, false, "");
    SetMainCaption(p);
    ZoomScreen(p, false);
}

void OpenAtStart(Program& p, const std::string& commandLineFile) {
    if (!commandLineFile.empty()) {
        std::string name = commandLineFile;
        const Kind kind = KindOf(name);
        if (kind == Kind::Unknown || kind == Kind::Native) {
            NewDrawing(p);
            if (LoadGEO(p, name)) SetDocument(p, true, false, name);
        } else if (kind == Kind::Template) {
            NewDrawing(p);
            LoadGEO(p, name);
            SetDocument(p, false, false, "");
        } else {
            OpenByExtension(p, name);
            if (kind == Kind::OldGeo) p.drawing.Modified = false;
        }
    } else if (p.settings.LoadLastDrawing == 1 && FileExists(p.paths.File("last.dat"))) {
        std::string name = p.paths.File("last.dat");
        LoadGEO(p, name);
    } else if (p.settings.LoadLastDrawing == 2 && FileExists(p.paths.File("autoload.vtm"))) {
        std::string name = p.paths.File("autoload.vtm");
        LoadGEO(p, name);
    } else {
        return;
    }
    SetMainCaption(p);
    ZoomScreen(p, false);
}

void SaveLastDrawing(Program& p) {
    if (p.settings.LoadLastDrawing == 1) SaveGEO(p, p.paths.File("last.dat"));
}

}  // namespace vt
