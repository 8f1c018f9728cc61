// Editing the job settings and handing them to the engine.
#include "nc/job_edit.h"
#include "commands/history.h"

#include <filesystem>

#include "app/program.h"
#include "app/startup.h"
#include "base/ini_file.h"
#include "base/text_file.h"
#include "nc/nc_code.h"

namespace vt {

namespace {

std::string MachineFile(const Program& p) {
    const int index = p.uiState.ncMachineIndex;
    if (index < 0 || index >= static_cast<int>(p.uiState.ncMachines.size())) return "";
    return p.machines[static_cast<std::size_t>(index + 1)].File;
}

// The drawing's own name (without folder and extension), the program name where none is set.
std::string DrawingName(const Program& p) {
    if (!p.drawing.HasFileName || p.drawing.FileName.empty()) return "";
    std::string stem = std::filesystem::path(p.drawing.FileName).stem().string();
    std::string name;
    for (char c : stem)
        if (c != ';' && c != '=' && c != '"' && c != '|' && c != ',' &&
            static_cast<unsigned char>(c) >= 0x20)
            name += c;
    name = Utf8Left(name, 32);
    return IsValidUtf8(name) ? name : "";
}

// Fields that only matter where the program moves Z.
bool ZField(const JobField& f) {
    const std::string k = f.key;
    return k == "PlungeFeed" || k == "SafeZ" || k == "Depth" || k == "DepthPerPass" ||
           k == "Peck" || k == "ZMoves";
}

void Changed(Program& p) {
    p.drawing.Modified = true;
    SetMainCaption(p);
    RegenerateNcIfShown(p);
    p.ui.StateChanged();
}

}  // namespace

JobValues MachineJobValues(const Program& p) {
    const std::string file = MachineFile(p);
    JobValues v = EffectiveJob({}, file.empty() ? JobValues{} : MachineJobDefaults(file));
    v["Program"] = DrawingName(p);
    return v;
}

JobValues JobForEngine(const Program& p) {
    JobValues v = p.jobSettings;
    if (!v.count("Program")) {
        const std::string name = DrawingName(p);
        if (!name.empty()) v["Program"] = name;
    }
    return v;
}

std::vector<JobFieldState> JobFieldStates(const Program& p) {
    const std::string file = MachineFile(p);
    const bool hasZ =
        file.empty() ||
        !EqualsNoCase(IniDocument::Load(file).Get("POST", "ZMoves").value_or("yes"), "no");
    const JobValues machine = MachineJobValues(p);
    std::vector<JobFieldState> out;
    for (const JobField& f : JobFields()) {
        JobFieldState s;
        s.field = &f;
        auto own = p.jobSettings.find(f.key);
        if (own != p.jobSettings.end()) s.value = own->second;
        s.machineValue = machine.at(f.key);
        s.applies = hasZ || !ZField(f);
        out.push_back(s);
    }
    return out;
}

bool SetJobValue(Program& p, const std::string& key, const std::string& text) {
    ChangeScope change(p, p.language.GetText(1200));
    const JobField* f = FindJobField(key);
    if (!f) return false;
    if (Trim(text, " \t").empty()) {
        if (p.jobSettings.erase(f->key)) Changed(p);
        return true;
    }
    auto value = NormaliseJobValue(*f, text);
    if (!value) {
        std::string label(Trim(p.language.GetText(f->textId), " :"));
        p.ui.MessageBox(p.language.GetText(2405) + " " + label + ": " + text,
                        p.language.GetText(1066), MsgButtons::Ok, MsgIcon::Exclamation);
        p.ui.StateChanged();
        return false;
    }
    auto it = p.jobSettings.find(f->key);
    if (it != p.jobSettings.end() && it->second == *value) return true;
    p.jobSettings[f->key] = *value;
    Changed(p);
    return true;
}

void ResetJobValues(Program& p) {
    ChangeScope change(p, p.language.GetText(1200));
    if (p.jobSettings.empty()) return;
    p.jobSettings.clear();
    Changed(p);
}

}  // namespace vt
