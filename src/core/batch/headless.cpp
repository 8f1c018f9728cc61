// Headless commands through the same core as the window: a Ui that answers every question with
// the safe choice and turns error messages into lines on standard error.
#include "batch/headless.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "app/command_line.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "app/settings.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "files/dxf_reader.h"
#include "files/dxf_writer.h"
#include "files/old_geo.h"
#include "files/rit_file.h"
#include "nc/contours.h"
#include "nc/machines.h"
#include "nc/nc_code.h"

namespace vt {

namespace {

struct Abandon : StopRequest {};

class HeadlessUi : public Ui {
  public:
    explicit HeadlessUi(std::ostream& err) : err_(err) {}
    bool failed = false;

    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override {
        if (icon == MsgIcon::Critical || icon == MsgIcon::Exclamation) {
            std::string line = text;
            for (std::size_t at = line.find("\r\n"); at != std::string::npos;
                 at = line.find("\r\n", at))
                line.replace(at, 2, " ");
            err_ << "veltrum32: " << title << ": " << line << "\n";
            failed = true;
        }
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::No
                                                                                  : MsgAnswer::Ok;
    }
    void ShowValueInput(ValueDialog& d) override { d.modalResult = 2; }
    FileDialogResult FileDialog(const FileDialogRequest&) override { return {}; }
    void EndProgram() override { throw Abandon{}; }

  private:
    std::ostream& err_;
};

std::string Ext(const std::string& path) {
    return ToUpperAscii(std::filesystem::path(path).extension().string());
}

// Reads a drawing of any readable kind into an empty drawing; false (with the reason) when it
// cannot be read as its kind or nothing could be read from it.
bool Load(Program& p, HeadlessUi& ui, const std::string& path, std::ostream& err) {
    if (!FileExists(path)) {
        err << "veltrum32: cannot read " << path << "\n";
        return false;
    }
    NewDrawing(p);
    const std::string e = Ext(path);
    std::string name = path;
    bool read = false;
    if (e == ".VGM" || e == ".VTM")
        read = LoadGEO(p, name);
    else if (e == ".GEO")
        read = LoadOldGEO(p, path);
    else if (e == ".DXF")
        read = LoadDXF(p, path);
    else if (e == ".RIT")
        read = ImportRit(p, path);
    else {
        err << "veltrum32: " << path
            << ": not a drawing this program reads (.vgm .vtm .geo .dxf .rit)\n";
        return false;
    }
    if (!read || ui.failed) {
        if (!ui.failed) err << "veltrum32: " << path << ": cannot be read\n";
        return false;
    }
    if (p.drawing.ObjectCount == 0 && p.toolPath.Count == 0) {
        err << "veltrum32: " << path << ": nothing could be read from it\n";
        return false;
    }
    return true;
}

// The machine by its name, in any letter case, or by its file's base name.
int FindMachine(const Program& p, const std::string& wanted) {
    const auto& names = p.uiState.ncMachines;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == wanted) return static_cast<int>(i);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (EqualsNoCase(names[i], wanted) ||
            EqualsNoCase(std::filesystem::path(p.machines[i + 1].File).stem().string(), wanted))
            return static_cast<int>(i);
    return -1;
}

template <typename Body>
int Run(const CommandLine& cl, const std::string& folder, std::ostream& err, Body&& body) {
    HeadlessUi ui(err);
    Program p(ui, folder, cl.language);
    p.decimalSeparator = cl.decimalSeparator;
    try {
        LoadSettings(p);
        return body(p, ui);
    } catch (const StopRequest&) {
        return 1;
    }
}

}  // namespace

int RunNcCommand(const CommandLine& cl, const std::string& folder, std::ostream& out,
                 std::ostream& err) {
    return Run(cl, folder, err, [&](Program& p, HeadlessUi& ui) {
        LoadMaskiner(p);
        const int machine = FindMachine(p, cl.machine);
        if (machine < 0) {
            err << "veltrum32: no machine called \"" << cl.machine << "\" in "
                << p.settings.Postpath << "; the machines are (name, or file name):";
            for (std::size_t i = 0; i < p.uiState.ncMachines.size(); ++i)
                err << " \"" << p.uiState.ncMachines[i] << "\" ("
                    << std::filesystem::path(p.machines[i + 1].File).stem().string() << ")";
            err << "\n";
            return 1;
        }
        const std::string file = AbsolutePath(cl.nc);
        std::error_code ec;
        if (!cl.output.empty() && std::filesystem::equivalent(file, AbsolutePath(cl.output), ec)) {
            err << "veltrum32: -o " << cl.output << " is the drawing itself; the NC program "
                << "would replace it\n";
            return 2;
        }
        if (!Load(p, ui, file, err)) return 1;
        // A drawing opened here is named by its file, as the window names it.
        const std::string e = Ext(file);
        if (e == ".VGM" || e == ".GEO") {
            p.drawing.HasFileName = true;
            p.drawing.FileName = file;
        }
        ChangeMachine(p, machine);
        if (cl.blockNumbers) p.settings.BlockNumbers = *cl.blockNumbers;
        if (cl.comments) p.settings.Comments = *cl.comments;
        for (const auto& [key, value] : cl.job)
            p.jobSettings[key] = value;
        if (cl.contour && p.toolPath.Count > 0 && !cl.replacePath) {
            err << "veltrum32: " << cl.nc << " has a tool path of its own, which is used; "
                << "--replace-path cuts its contours instead\n";
        } else if (cl.contour) {
            p.toolPath.Clear();
            std::string why;
            if (!AddPartContours(p, ContourOptionsFromJob(EffectiveJobOf(p)), why)) {
                err << "veltrum32: " << cl.nc << ": " << why << "\n";
                return 1;
            }
        }
        if (p.toolPath.Count == 0) {
            err << (cl.contour ? "no contour in the drawing\n" : "no tool path\n");
            return 1;
        }
        GenNCCode(p);
        if (ui.failed) return 1;
        std::string text = p.uiState.ncCodeText;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at))
            text.erase(at, 1);
        if (cl.output.empty()) {
            out << text;
            out.flush();
            return 0;
        }
        std::string why;
        if (!WriteFileAtomic(AbsolutePath(cl.output), text, &why)) {
            err << "veltrum32: " << why << "\n";
            return 1;
        }
        return 0;
    });
}

int RunConvertCommand(const CommandLine& cl, const std::string& folder, std::ostream& err) {
    return Run(cl, folder, err, [&](Program& p, HeadlessUi& ui) {
        const std::string in = AbsolutePath(cl.convert[0]), target = AbsolutePath(cl.convert[1]);
        const std::string e = Ext(target);
        if (e != ".VGM" && e != ".VTM" && e != ".RIT" && e != ".DXF") {
            err << "veltrum32: " << target
                << ": the program writes .vgm, .vtm, .rit and .dxf files\n";
            return 1;
        }
        if (!Load(p, ui, in, err)) return 1;
        const DxfVersion dxf = cl.dxfVersion == "R2000" ? DxfVersion::R2000 : DxfVersion::R12;
        const bool written = e == ".RIT"   ? ExportRit(p, target)
                             : e == ".DXF" ? ExportDxf(p, target, dxf)
                                           : SaveGEO(p, target);
        return written && !ui.failed ? 0 : 1;
    });
}

}  // namespace vt
