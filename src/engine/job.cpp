// Reading the job file.
#include "job.h"

#include <cmath>

#include "base/text_file.h"
#include "files/fields.h"

namespace vt::engine {

std::vector<std::string> SplitList(const std::string& line) {
    return SplitFields(line);
}

namespace {

bool Flag(const std::string& s, int line) {
    std::string t(Trim(s, " \t"));
    if (EqualsNoCase(t, "True")) return true;
    if (EqualsNoCase(t, "False")) return false;
    throw EngineError("line " + std::to_string(line) + ": expected True or False, found \"" + t +
                      "\"");
}

double Number(const std::string& field, int line, int item) {
    try {
        return FieldNumber(field);
    } catch (const std::exception&) {
        throw EngineError("line " + std::to_string(line) + ", item " + std::to_string(item) +
                          ": not a number: \"" + field + "\"");
    }
}

// The lines after the records: nothing, or [JOB] and one valid Key=Value per line.
void ParseSettings(const std::vector<std::string>& lines, std::size_t at, JobValues& out) {
    bool section = false;
    for (std::size_t i = at; i < lines.size(); ++i) {
        const std::string where = "line " + std::to_string(i + 1);
        std::string_view t = Trim(lines[i], " \t");
        if (t.empty()) continue;
        if (!section) {
            if (t != "[JOB]")
                throw EngineError(where + ": more lines than the " + std::to_string(at - 33) +
                                  " records announced on line 33");
            section = true;
            continue;
        }
        std::size_t eq = t.find('=');
        const JobField* f = eq == std::string_view::npos ? nullptr : FindJobField(t.substr(0, eq));
        if (!f) throw EngineError(where + ": not a job setting: \"" + std::string(t) + "\"");
        auto v = NormaliseJobValue(*f, t.substr(eq + 1));
        if (!v)
            throw EngineError(where + ": " + f->key + " cannot be \"" +
                              std::string(t.substr(eq + 1)) + "\"");
        out[f->key] = *v;
    }
}

bool Kind1(int typ) {
    return typ == 1 || typ == 7;
}

}  // namespace

Job ParseJob(const std::string& text) {
    std::vector<std::string> lines;
    for (auto l : SplitLines(text))
        lines.push_back(DecodeLine(l));
    if (lines.size() < 33)
        throw EngineError("the job has " + std::to_string(lines.size()) +
                          " lines, not the 33 of its header");
    Job job;
    job.programNumber = std::string(Trim(lines[0], " \t"));
    job.machineFile = std::string(Trim(lines[1], " \t"));
    if (job.machineFile.empty()) throw EngineError("line 2: no machine definition named");
    job.blockNumbers = Flag(lines[6], 7);
    job.comments = Flag(lines[8], 9);
    double countValue = Number(lines[32], 33, 1);
    if (!(countValue >= 0 && countValue <= 1e9) || countValue != std::floor(countValue))
        throw EngineError("line 33: bad record count \"" + lines[32] + "\"");
    const std::size_t count = static_cast<std::size_t>(countValue);
    if (count > lines.size() - 33)
        throw EngineError("line 33: " + std::to_string(count) + " records announced, " +
                          std::to_string(lines.size() - 33) + " found");
    for (std::size_t i = 0; i < count; ++i) {
        const int line = static_cast<int>(34 + i);
        std::vector<std::string> f = SplitList(lines[33 + i]);
        if (f.size() != 35)
            throw EngineError("line " + std::to_string(line) + ": " + std::to_string(f.size()) +
                              " items, not 35");
        JobRecord r;
        double typ = Number(f[3], line, 4);
        r.typ = typ >= -1 && typ <= 255 ? static_cast<int>(typ) : 256;
        const bool known =
            (r.typ >= -1 && r.typ <= 3) || (r.typ >= 5 && r.typ <= 9) || r.typ == 255;
        if (typ != r.typ || !known)
            throw EngineError("line " + std::to_string(line) + ": unknown move kind " + f[3]);
        r.x = Number(f[4], line, 5);
        r.y = Number(f[5], line, 6);
        r.cx = Number(f[10], line, 11);
        r.cy = Number(f[11], line, 12);
        r.r = Number(f[13], line, 14);
        r.auxX = Number(f[14], line, 15);
        r.auxY = Number(f[15], line, 16);
        const double comp = Number(f[16], line, 17);
        if (comp != 0 && !((comp == 1 || comp == 2 || comp == 3) && Kind1(r.typ)))
            throw EngineError("line " + std::to_string(line) +
                              ": item 17 switches tool radius "
                              "compensation (1 left, 2 right, 3 off) on straight cutting moves "
                              "only, not \"" +
                              f[16] + "\"");
        r.comp = static_cast<int>(comp);
        r.ncText = f[33];
        r.label = f[34];
        job.records.push_back(r);
    }
    ParseSettings(lines, 33 + count, job.settings);
    return job;
}

}  // namespace vt::engine
