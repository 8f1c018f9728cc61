// Loading and saving the settings record and window placements.
#include "app/settings.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "app/error_report.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "base/ini_file.h"
#include "base/text_file.h"

namespace vt {

using PS = ProgramSettings;

ProgramSettings DefaultSettings(const std::string& programFolder,
                                const std::string& documentsFolder) {
    ProgramSettings s;
    if (!documentsFolder.empty()) {
        s.Postpath = JoinPath(programFolder, "POST/");
        s.GEOpath = s.NCpath = JoinPath(documentsFolder, "Veltrum32/");
        return s;
    }
    std::string drive = DriveOf(programFolder);
    std::string base = drive.empty() ? programFolder : drive;
    s.Postpath = JoinPath(programFolder, "POST/");
    s.GEOpath = JoinPath(base, "GEO/");
    s.NCpath = JoinPath(base, "NCPROG/");
    return s;
}

const std::vector<SettingKey>& SettingsKeys() {
    static const std::vector<SettingKey> keys = {
        {"Postpath", &PS::Postpath, true},
        {"GEOpath", &PS::GEOpath, true},
        {"NCpath", &PS::NCpath, true},
        {"MaxPoints", &PS::MaxPoints, false},
        {"UndoDepth", &PS::UndoDepth, false},
        {"OldGeoLineLength", &PS::OldGeoLineLength, true},
        {"LoadLastDrawing", &PS::LoadLastDrawing, true},
        {"ArcMode", &PS::ArcMode, false},
        {"DefaultMachine", &PS::DefaultMachine, true},
        {"BlockNumbers", &PS::BlockNumbers, true},
        {"Comments", &PS::Comments, true},
        {"DrawColor", &PS::DrawColor, true},
        {"SelectedColor", &PS::SelectedColor, true},
        {"TempColor", &PS::TempColor, true},
        {"EndpointColor", &PS::EndpointColor, true},
        {"MidpointColor", &PS::MidpointColor, true},
        {"QuadrantColor", &PS::QuadrantColor, true},
        {"CenterColor", &PS::CenterColor, true},
        {"IntersecColor", &PS::IntersecColor, true},
        {"AxisColor", &PS::AxisColor, true},
        {"OrigoColor", &PS::OrigoColor, true},
        {"BackColor", &PS::BackColor, true},
        {"NCColor", &PS::NCColor, true},
        {"NCIColor", &PS::NCIColor, true},
        {"HighLightColor", &PS::HighLightColor, true},
        {"NCTempColor", &PS::NCTempColor, false},
        {"LL", &PS::LL, true},
        {"LC", &PS::LC, true},
        {"CC", &PS::CC, true},
        {"EP", &PS::EP, true},
        {"CP", &PS::CP, true},
        {"MP", &PS::MP, true},
        {"QP", &PS::QP, true},
        {"POD", &PS::POD, true},
        {"MaskinLast", &PS::MaskinLast, true},
        {"MaskinAsk", &PS::MaskinAsk, true},
        {"MaskinUseDefined", &PS::MaskinUseDefined, true},
        {"MaskinDefined", &PS::MaskinDefined, true},
        {"PrintLineWidth", &PS::PrintLineWidth, true},
        {"PrintToolPathWidth", &PS::PrintToolPathWidth, true},
        {"PPUseMult", &PS::PPUseMult, true},
        {"Language", &PS::Language, true},
        {"DxfKeepUnits", &PS::DxfKeepUnits, true},
    };
    return keys;
}

const std::vector<const char*>& SettingsSaveOrder() {
    static const std::vector<const char*> order = {"Postpath",
                                                   "GEOpath",
                                                   "NCpath",
                                                   "OldGeoLineLength",
                                                   "LoadLastDrawing",
                                                   "DefaultMachine",
                                                   "BlockNumbers",
                                                   "Comments",
                                                   "DrawColor",
                                                   "SelectedColor",
                                                   "TempColor",
                                                   "EndpointColor",
                                                   "MidpointColor",
                                                   "QuadrantColor",
                                                   "CenterColor",
                                                   "IntersecColor",
                                                   "AxisColor",
                                                   "OrigoColor",
                                                   "BackColor",
                                                   "NCColor",
                                                   "NCIColor",
                                                   "HighLightColor",
                                                   "POD",
                                                   "LL",
                                                   "LC",
                                                   "CC",
                                                   "EP",
                                                   "CP",
                                                   "MP",
                                                   "QP",
                                                   "PPUseMult",
                                                   "MaskinAsk",
                                                   "MaskinLast",
                                                   "MaskinUseDefined",
                                                   "MaskinDefined",
                                                   "Language",
                                                   "DxfKeepUnits",
                                                   "PrintLineWidth",
                                                   "PrintToolPathWidth"};
    return order;
}

namespace {

const char* kSection = "Program";

// A value read the way INIReadString reads it, from a document already in memory.
std::string ReadString(const IniDocument& doc, const char* section, const char* key,
                       const std::string& def) {
    auto v = doc.Get(section, key);
    if (!v || v->empty()) return def;
    return IniBufferText(*v);
}

double ReadDouble(const IniDocument& doc, const char* key, double def) {
    auto v = ParseIniNumber(ReadString(doc, "History", key, ""));
    return v ? *v : def;
}

// Values a running program cannot use fall back to their defaults.
void Sanitize(ProgramSettings& s, const ProgramSettings& d) {
    if (s.MaxPoints < 0) s.MaxPoints = d.MaxPoints;
    if (s.UndoDepth < 0) s.UndoDepth = d.UndoDepth;
    s.MaxPoints = std::min(s.MaxPoints, kMaxPointsLimit);
    if (s.ArcMode < 0 || s.ArcMode > 4) s.ArcMode = d.ArcMode;
}

}  // namespace

void SetSettingText(ProgramSettings& s, const ProgramSettings& def, const SettingKey& k,
                    const std::string& text) {
    std::visit(
        [&](auto field) {
            using T = std::remove_reference_t<decltype(s.*field)>;
            const T& d = def.*field;
            if constexpr (std::is_same_v<T, std::string>) {
                s.*field = text;
            } else if constexpr (std::is_same_v<T, bool>) {
                s.*field = IniTextToBool(text, d);
            } else if constexpr (std::is_same_v<T, int16_t>) {
                int32_t v = IniTextToLong(text, d);
                s.*field = (v < -32768 || v > 32767) ? d : static_cast<int16_t>(v);
            } else if (field == &PS::UndoDepth && !Trim(text).empty() && !ParseIniNumber(text)) {
                // A typo must not turn the history off: a depth that is no number is the default.
                s.*field = d;
            } else {
                s.*field = IniTextToLong(text, d);
            }
        },
        k.field);
}

bool SetSettingByName(ProgramSettings& s, const std::string& key, const std::string& text) {
    for (const auto& k : SettingsKeys()) {
        if (!EqualsNoCase(k.key, key)) continue;
        SetSettingText(s, s, k, text);
        return true;
    }
    return false;
}

void LoadSettings(Program& p) {
    p.errorTrail.Push("LoadSettings()");
    const ProgramSettings def = DefaultSettings(p.paths.folder, p.paths.documents);
    ProgramSettings s = def;
    IniDocument doc = IniDocument::Load(p.paths.SettingsFile());
    p.errorTrail.Push("INIReadString");
    for (const auto& k : SettingsKeys()) {
        std::string fallback;  // a missing string keeps its default; other types parse ""
        if (auto f = std::get_if<std::string ProgramSettings::*>(&k.field)) fallback = def.**f;
        SetSettingText(s, def, k, ReadString(doc, kSection, k.key, fallback));
    }
    Sanitize(s, def);
    s.IntersecMore = 0;
    p.settings = s;
    p.settingsAsLoaded = s;
    p.snaps.MaxPoints = s.MaxPoints;  // the snap table's capacity for this run

    History h;
    h.D = ReadDouble(doc, "D", 20);
    h.IV = ReadDouble(doc, "IV", 45);
    h.L = ReadDouble(doc, "L", 20);
    h.NR = ReadDouble(doc, "NR", 1);
    h.R = ReadDouble(doc, "R", 10);
    h.S = ReadString(doc, "History", "S", "");
    h.SV = ReadDouble(doc, "SV", 0);
    h.V = ReadDouble(doc, "V", 45);
    h.X = ReadDouble(doc, "X", 0);
    h.Y = ReadDouble(doc, "Y", 0);
    h.FolderDrawing = ReadString(doc, "History", "FolderDrawing", "");
    h.FolderDxf = ReadString(doc, "History", "FolderDxf", "");
    h.FolderExchange = ReadString(doc, "History", "FolderExchange", "");
    h.FolderNc = ReadString(doc, "History", "FolderNc", "");
    p.history = h;
}

namespace {

// A setting's value as the file holds it.
std::string SettingText(const ProgramSettings& s, const SettingKey& k) {
    return std::visit(
        [&](auto field) -> std::string {
            const auto& v = s.*field;
            using T = std::remove_cvref_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>)
                return v;
            else if constexpr (std::is_same_v<T, bool>)
                return v ? "True" : "False";
            else
                return std::to_string(v);
        },
        k.field);
}

}  // namespace

bool SaveSettings(Program& p) {
    const std::string file = p.paths.SettingsFile();
    std::map<std::string, const SettingKey*> byName;
    for (const auto& k : SettingsKeys())
        byName[k.key] = &k;
    // Only what this program changed goes into the file as it is now: another program using
    // the same folder keeps its own changes. A folder that cannot be written (read-only, shared)
    // costs only the settings, so the failure is the caller's to weigh and nothing is shown.
    p.errorTrail.Push("INIWriteString");
    const bool saved = UpdateIniFile(file, [&](IniDocument& doc) {
        for (const char* name : SettingsSaveOrder()) {
            const SettingKey& k = *byName.at(name);
            const std::string text = SettingText(p.settings, k);
            if (text != SettingText(p.settingsAsLoaded, k)) doc.Set(kSection, name, text);
        }
    });
    if (saved) p.settingsAsLoaded = p.settings;
    return saved;
}

WindowPlacement LoadWindowPlacement(const std::string& file, const std::string& window,
                                    const WindowPlacement& current) {
    IniDocument doc = IniDocument::Load(file);
    auto read = [&](const char* key, int currentPixels) {
        std::string t = ReadString(doc, window.c_str(), key, "");
        int32_t twips = IniTextToLong(t, currentPixels * kTwipsPerPixel);
        return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
    };
    WindowPlacement p = current;
    p.maximized = IniTextToBool(ReadString(doc, window.c_str(), "Maximized", ""), false);
    p.x = read("X", current.x);
    p.y = read("Y", current.y);
    p.w = read("W", current.w);
    p.h = read("H", current.h);
    if (p.w <= 0) p.w = current.w;
    if (p.h <= 0) p.h = current.h;
    return p;
}

bool SaveWindowPlacement(const std::string& file, const std::string& window,
                         const WindowPlacement& now, bool minimized) {
    return UpdateIniFile(file, [&](IniDocument& doc) {
        doc.Set(window, "Maximized", now.maximized ? "True" : "False");
        if (!now.maximized && !minimized) {
            doc.Set(window, "X", std::to_string(now.x * kTwipsPerPixel));
            doc.Set(window, "Y", std::to_string(now.y * kTwipsPerPixel));
            doc.Set(window, "W", std::to_string(now.w * kTwipsPerPixel));
            doc.Set(window, "H", std::to_string(now.h * kTwipsPerPixel));
        }
    });
}

WindowPlacement FitOnScreen(WindowPlacement p, int sx, int sy, int sw, int sh) {
    if (sw <= 0 || sh <= 0) return p;
    p.w = std::clamp(p.w, 200, sw);
    p.h = std::clamp(p.h, 150, sh);
    p.x = std::clamp(p.x, sx, sx + sw - p.w);
    p.y = std::clamp(p.y, sy, sy + sh - p.h);
    return p;
}

}  // namespace vt
