// Writing the job file.
#include "nc/job_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vt {

std::string JobNumber(double v) {
    if (!std::isfinite(v)) return "0";
    // Decimals so that at most 15 significant digits and at most 10 decimals are written.
    int intDigits = 0;
    for (double a = std::fabs(v); a >= 1 && intDigits < 400; a /= 10)
        ++intDigits;
    return PlainNumber(v, std::max(0, std::min(10, 15 - intDigits)));
}

namespace {

// Strings in list format cannot hold a double quote.
std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s)
        out += c == '"' ? '\'' : (c == '\r' || c == '\n') ? ' ' : c;
    return out + "\"";
}

std::string Record(int typ, const std::array<double, 8>& v, const std::string& text,
                   const std::string& label) {
    // Items 1–4, X, Y, four zeros, CX, CY, a zero, R, AuxX, AuxY, the compensation switched,
    // sixteen zeros, text, label.
    std::string line = "-1,-1,0," + std::to_string(typ);
    auto add = [&](double x) { line += "," + JobNumber(x); };
    add(v[0]);
    add(v[1]);
    for (int i = 0; i < 4; ++i)
        add(0);
    add(v[2]);
    add(v[3]);
    add(0);
    add(v[4]);
    add(v[5]);
    add(v[6]);
    add(v[7]);
    for (int i = 0; i < 16; ++i)
        add(0);
    return line + "," + Quoted(text) + "," + Quoted(label);
}

const char* Flag(bool b) {
    return b ? "True" : "False";
}

}  // namespace

std::string JobFileText(const ToolPath& path, const JobOptions& options) {
    std::vector<std::string> records;
    for (int i = 1; i <= path.Count; ++i) {
        const ToolPathOp& o = path.Op(i);
        if (i > 1) {
            const bool now = IsIncremental(o.Typ), before = IsIncremental(path.Op(i - 1).Typ);
            if (now && !before) records.push_back(Record(255, {}, "(INKREMENT)", ""));
            if (!now && before) records.push_back(Record(255, {}, "(ABSOLUT)", ""));
        }
        records.push_back(
            Record(o.Typ, {o.X, o.Y, o.CX, o.CY, o.R, o.AuxX, o.AuxY, o.Comp}, o.NCText, o.Label));
    }
    const std::string header[] = {
        "1234",  options.machineFile,   "0", "False", "False", "False", Flag(options.blockNumbers),
        "False", Flag(options.comments)};
    std::string out;
    for (const std::string& h : header)
        out += h + "\r\n";
    for (int i = 10; i <= 32; ++i)
        out += "\r\n";
    out += std::to_string(records.size()) + "\r\n";
    for (const std::string& r : records)
        out += r + "\r\n";
    if (!options.settings.empty()) {
        out += "[JOB]\r\n";
        for (const JobField& f : JobFields()) {
            auto it = options.settings.find(f.key);
            if (it != options.settings.end()) out += std::string(f.key) + "=" + it->second + "\r\n";
        }
    }
    return out;
}

}  // namespace vt
