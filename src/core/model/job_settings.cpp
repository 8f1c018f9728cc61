// The job settings table, their checks and their text forms.
#include "model/job_settings.h"

#include <cmath>

#include "base/ini_file.h"
#include "base/text_file.h"

namespace vt {

namespace {

const std::vector<JobField> kFields = {
    {"Program", JobKind::Text, 0, 0, false, "", nullptr, 0, 1201, "--program"},
    {"Tool", JobKind::Whole, 1, 9999, false, "1", nullptr, 0, 1202, "--tool"},
    {"Spindle", JobKind::Number, 0, 200000, true, "1000", nullptr, 0, 1203, "--spindle"},
    {"Direction", JobKind::Choice, 0, 0, false, "CW", "CW|CCW", 1213, 1204, "--direction"},
    {"Feed", JobKind::Number, 0, 100000, true, "200", nullptr, 0, 1205, "--feed"},
    {"PlungeFeed", JobKind::Number, 0, 100000, true, "100", nullptr, 0, 1206, "--plunge-feed"},
    {"SafeZ", JobKind::Number, 0, 10000, true, "5", nullptr, 0, 1207, "--safe-z"},
    {"Depth", JobKind::Number, 0, 10000, false, "1", nullptr, 0, 1208, "--depth"},
    {"DepthPerPass", JobKind::Number, 0, 10000, false, "0", nullptr, 0, 1209, "--depth-per-pass"},
    {"Peck", JobKind::Number, 0, 10000, false, "0", nullptr, 0, 1210, "--peck"},
    {"Coolant", JobKind::Choice, 0, 0, false, "Off", "Off|Flood|Mist", 1215, 1211, "--coolant"},
    {"ZMoves", JobKind::Choice, 0, 0, false, "On", "On|Off", 1218, 1212, "--z-moves"},
    // Contours take these when they are made.
    {"ToolDiameter", JobKind::Number, 0, 1000, true, "6", nullptr, 0, 1294, "--tool-diameter"},
    {"Compensation", JobKind::Choice, 0, 0, false, "Computed", "Computed|Control|Off", 1296, 1295,
     "--compensation"},
    {"Lead", JobKind::Choice, 0, 0, false, "Arc", "None|Line|Arc", 1300, 1299, "--lead"},
    {"LeadSize", JobKind::Number, 0, 10000, false, "5", nullptr, 0, 1303, "--lead-size"},
    {"Overlap", JobKind::Number, 0, 10000, false, "1", nullptr, 0, 1304, "--overlap"},
};

std::vector<std::string_view> Split(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = s.find(sep, start);
        out.push_back(
            s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return out;
        start = at + 1;
    }
}

// Characters a program name cannot hold: they separate the file's fields or end its strings.
bool AllowedInText(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u != 0x7f && c != ';' && c != '=' && c != '"' && c != '|' && c != ',';
}

}  // namespace

const std::vector<JobField>& JobFields() {
    return kFields;
}

const JobField* FindJobField(std::string_view key) {
    for (const JobField& f : kFields)
        if (EqualsNoCase(f.key, Trim(key, " \t"))) return &f;
    return nullptr;
}

std::optional<std::string> NormaliseJobValue(const JobField& f, std::string_view text) {
    std::string_view t = Trim(text, " \t");
    switch (f.kind) {
        case JobKind::Text: {
            if (Utf8Length(t) > 32 || !IsValidUtf8(t)) return std::nullopt;
            for (char c : t)
                if (!AllowedInText(c)) return std::nullopt;
            return std::string(t);
        }
        case JobKind::Whole:
        case JobKind::Number: {
            auto v = ParsePlainNumber(t);
            if (!v || *v < f.min || *v > f.max || (f.above && *v <= f.min)) return std::nullopt;
            if (f.kind == JobKind::Whole && *v != std::floor(*v)) return std::nullopt;
            return PlainNumber(*v, 4);
        }
        case JobKind::Choice:
            for (std::string_view c : Split(f.choices, '|'))
                if (EqualsNoCase(c, t)) return std::string(c);
            return std::nullopt;
    }
    return std::nullopt;
}

std::string JobValuesToLine(const JobValues& values) {
    std::string line;
    for (const JobField& f : kFields) {
        auto it = values.find(f.key);
        if (it == values.end()) continue;
        line += std::string(";") + f.key + "=" + it->second;
    }
    return line.empty() ? "" : "JOB" + line;
}

bool JobValuesFromLine(std::string_view line, JobValues& out) {
    std::vector<std::string_view> parts = Split(line, ';');
    if (Trim(parts[0], " \t") != "JOB") return false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        std::size_t eq = parts[i].find('=');
        if (eq == std::string_view::npos) continue;
        const JobField* f = FindJobField(parts[i].substr(0, eq));
        if (!f) continue;
        if (auto v = NormaliseJobValue(*f, parts[i].substr(eq + 1))) out[f->key] = *v;
    }
    return true;
}

JobValues MachineJobDefaults(const std::string& machineFile) {
    JobValues out;
    IniDocument doc = IniDocument::Load(machineFile);
    for (const JobField& f : kFields)
        if (auto text = doc.Get("JOB", f.key))
            if (auto v = NormaliseJobValue(f, *text)) out[f.key] = *v;
    return out;
}

JobValues EffectiveJob(const JobValues& drawing, const JobValues& machine) {
    JobValues out;
    for (const JobField& f : kFields) {
        auto d = drawing.find(f.key);
        auto m = machine.find(f.key);
        out[f.key] = d != drawing.end() ? d->second : m != machine.end() ? m->second : f.def;
    }
    return out;
}

}  // namespace vt
