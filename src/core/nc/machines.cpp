// Machine list, machine choice and axis data.
#include "nc/machines.h"

#include <algorithm>
#include <filesystem>

#include "app/error_report.h"
#include "app/program.h"
#include "app/startup.h"
#include "base/ini_file.h"
#include "base/text_file.h"
#include "nc/nc_code.h"

namespace vt {

double ExtractMult(const std::string& formatDef, double def) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = formatDef.find(',', start);
        parts.push_back(formatDef.substr(
            start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (parts.size() < 3) return def;
    auto v = ParseIniNumber(parts[1]);
    return v ? static_cast<double>(static_cast<float>(*v)) : def;
}

void LoadMaskiner(Program& p) {
    Guarded(p, "LoadMaskiner()", [&] {
        p.machines = MachineList{};
        p.uiState.ncMachines.clear();
        const std::string folder = p.settings.Postpath;
        std::error_code ec;
        if (!DirectoryExists(folder)) return;
        std::vector<std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
            std::string name = e.path().filename().string();
            if (name.size() > 4 && ToUpperAscii(name.substr(name.size() - 4)) == ".VTP")
                files.push_back(name);
        }
        std::sort(files.begin(), files.end());
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (i >= 100) throw VtError(kErrSubscript);  // the list holds 100 machines
            MachineEntry& m = p.machines[i + 1];
            m.File = JoinPath(folder, files[i]);
            m.Name = INIReadString(m.File, "MACHINE", "Namn", "");
        }
    });
    RefreshMachineList(p);
}

void RefreshMachineList(Program& p) {
    UiState& ui = p.uiState;
    ui.ncMachines.clear();
    for (int i = 1; i <= 100 && !p.machines[static_cast<std::size_t>(i)].Name.empty(); ++i)
        ui.ncMachines.push_back(p.machines[static_cast<std::size_t>(i)].Name);
    ui.ncMachineIndex = -1;
    p.selectedMachineName.clear();
    if (!ui.ncMachines.empty()) SelectDefaultMachine(p);
    p.ui.StateChanged();
}

void SelectDefaultMachine(Program& p) {
    UiState& ui = p.uiState;
    if (ui.ncMachines.empty()) return;
    auto it = std::find(ui.ncMachines.begin(), ui.ncMachines.end(), p.settings.DefaultMachine);
    ChangeMachine(p, it == ui.ncMachines.end() ? 0 : static_cast<int>(it - ui.ncMachines.begin()));
}

void ReadPPInfo(Program& p) {
    const int index = p.uiState.ncMachineIndex;
    if (index < 0) return;
    const std::string file = p.machines[static_cast<std::size_t>(index + 1)].File;
    IniDocument doc = IniDocument::Load(file);
    auto read = [&](const char* section, const char* key, const std::string& def) {
        auto v = doc.Get(section, key);
        return v && !v->empty() ? IniBufferText(*v) : def;
    };
    if (p.settings.PPUseMult) {
        for (int axis = 0; axis < 2; ++axis) {
            const char* key = axis == 0 ? "X" : "Y";
            int32_t format = IniTextToLong(read("FORMATS", key, ""), 0);
            if (format == 0) continue;
            std::string def = read("FORMATDEFS", std::to_string(format).c_str(), "0,1,1,0,0,0,0,0");
            (axis == 0 ? p.xMult : p.yMult) = ExtractMult(def, 1.0);
        }
    } else {
        p.xMult = p.yMult = 1.0;
    }
    p.axisNameX = read("MACHINE", "X", p.axisNameX);
    p.axisNameY = read("MACHINE", "Y", p.axisNameY);
    p.axisNameZ = read("MACHINE", "Z", p.axisNameZ);
}

void ChangeMachine(Program& p, int index) {
    UiState& ui = p.uiState;
    if (index < 0 || index >= static_cast<int>(ui.ncMachines.size())) return;
    ui.ncMachineIndex = index;
    p.selectedMachineName = ui.ncMachines[static_cast<std::size_t>(index)];
    p.settings.DefaultMachine = p.selectedMachineName;
    ReadPPInfo(p);
    // The code is generated whenever the NC window is shown; a hidden window needs no engine run.
    RegenerateNcIfShown(p);
    SetMainCaption(p);
    p.ui.StateChanged();
    p.ui.Refresh();  // the axis letters beside the axis symbol
}

void mnuNCMachines_Click(Program& p, int index) {
    ChangeMachine(p, index);
}

void PreselectMachine(Program& p) {
    ProgramSettings& s = p.settings;
    if (!s.DefaultMachine.empty() && s.MaskinLast) SelectDefaultMachine(p);
    if (s.MaskinUseDefined) {
        s.DefaultMachine = s.MaskinDefined;
        SelectDefaultMachine(p);
    }
}

void FirstActivation(Program& p) {
    const auto& names = p.uiState.ncMachines;
    if (names.empty()) return;
    // The machine the settings asked for, before the start-up fell back to the first one.
    const ProgramSettings& loaded = p.settingsAsLoaded;
    const std::string& wanted =
        loaded.MaskinUseDefined ? loaded.MaskinDefined : loaded.DefaultMachine;
    const bool missing = std::find(names.begin(), names.end(), wanted) == names.end();
    if (!loaded.MaskinAsk && !missing) return;
    int current = p.uiState.ncMachineIndex;
    auto it = std::find(names.begin(), names.end(), p.settings.DefaultMachine);
    if (it != names.end()) current = static_cast<int>(it - names.begin());
    int chosen = p.ui.ChooseMachine(names, current);
    if (chosen >= 0) ChangeMachine(p, chosen);
    ReadPPInfo(p);
    SetMainCaption(p);
    p.ui.StateChanged();
}

}  // namespace vt
