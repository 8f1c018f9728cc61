// Reading machine definitions.
#include "machine.h"

#include <cmath>

#include "base/ini_file.h"
#include "base/text_file.h"
#include "job.h"

namespace vt::engine {

namespace {

std::vector<std::string> Lines(const std::string& value) {
    std::vector<std::string> out;
    if (value.empty()) return out;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = value.find('|', start);
        out.push_back(
            value.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return out;
}

}  // namespace

NumberFormat ParseFormat(const std::string& definition) {
    std::vector<double> v;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = definition.find(',', start);
        std::string item = definition.substr(
            start, comma == std::string::npos ? std::string::npos : comma - start);
        auto n = ParseIniNumber(item);
        if (!n)
            throw EngineError("format \"" + definition + "\": \"" + item + "\" is not a number");
        v.push_back(*n);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    // Whole numbers in range before they are converted.
    auto whole = [&](std::size_t i, int lo, int hi, const char* what) {
        if (!(v[i] >= lo && v[i] <= hi) || v[i] != std::floor(v[i]))
            throw EngineError("format \"" + definition + "\": " + what +
                              " must be a whole number from " + std::to_string(lo) + " to " +
                              std::to_string(hi));
        return static_cast<int>(v[i]);
    };
    NumberFormat f;
    if (v.size() > 0) f.decimals = whole(0, 0, 9, "decimals");
    if (v.size() > 1) f.multiplier = v[1];
    if (v.size() > 2) f.point = v[2] != 0;
    if (v.size() > 3) f.leadingDigits = whole(3, 0, 9, "integer digits");
    if (v.size() > 4) f.trailingZeros = v[4] != 0;
    if (v.size() > 5) f.plusSign = v[5] != 0;
    if (!(f.multiplier != 0) || !std::isfinite(f.multiplier))
        throw EngineError("format \"" + definition +
                          "\": the multiplier must be a number other than 0");
    return f;
}

Machine LoadMachine(const std::string& path) {
    if (!FileExists(path)) throw EngineError("machine definition not found: " + path);
    IniDocument doc = IniDocument::Load(path);
    auto get = [&](const char* section, const char* key, const std::string& def) {
        auto v = doc.Get(section, key);
        return v ? *v : def;
    };
    Machine m;
    m.name = get("MACHINE", "Namn", "");
    auto format = [&](const char* axis, const NumberFormat& def) {
        std::string number = get("FORMATS", axis, "0");
        auto n = ParseIniNumber(number);
        if (!n)
            throw EngineError("[FORMATS] " + std::string(axis) + ": \"" + number +
                              "\" is not a number");
        if (*n == 0) return def;
        if (!(*n > 0 && *n < 1e9) || *n != std::floor(*n))
            throw EngineError("[FORMATS] " + std::string(axis) + ": \"" + number +
                              "\" is not a format number");
        std::string key = std::to_string(static_cast<long>(*n));
        auto d = doc.Get("FORMATDEFS", key);
        if (!d) throw EngineError("[FORMATDEFS] has no format " + key);
        return ParseFormat(*d);
    };
    m.formatX = format("X", NumberFormat{});
    m.formatY = format("Y", NumberFormat{});
    NumberFormat z = m.formatX;
    z.multiplier = 1;
    m.formatZ = format("Z", z);
    m.formatF = format("F", NumberFormat{1, 1, false, 1, false, false});
    for (const JobField& f : JobFields()) {
        auto v = doc.Get("JOB", f.key);
        if (!v) continue;
        auto value = NormaliseJobValue(f, *v);
        if (!value)
            throw EngineError("[JOB] " + std::string(f.key) + ": \"" + *v +
                              "\" is not a value of it");
        m.jobDefaults[f.key] = *value;
    }
    const char* P = "POST";
    auto integer = [&](const char* key, long def) {
        std::string t = get(P, key, std::to_string(def));
        auto v = ParseIniNumber(t);
        if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e12)
            throw EngineError("[POST] " + std::string(key) + ": \"" + t +
                              "\" is not a whole number");
        return static_cast<long>(*v);
    };
    std::string kind = ToUpperAscii(get(P, "ProgramKind", "name"));
    if (kind == "NUMBER")
        m.programKind = ProgramKind::Number;
    else if (kind != "NAME")
        throw EngineError("[POST] ProgramKind: \"" + kind + "\" is not number or name");
    m.programMax = integer("ProgramMax", m.programKind == ProgramKind::Number ? 9999 : 16);
    if (m.programMax < 1) throw EngineError("[POST] ProgramMax must be 1 or more");
    m.programDigits = static_cast<int>(integer("ProgramDigits", 0));
    if (m.programDigits < 0 || m.programDigits > 12)
        throw EngineError("[POST] ProgramDigits must be from 0 to 12");
    m.startLines = Lines(get(P, "StartLines", ""));
    m.startBlocks = Lines(get(P, "StartBlocks", ""));
    m.endBlocks = Lines(get(P, "EndBlocks", "M30"));
    m.endLines = Lines(get(P, "EndLines", ""));
    m.blockNumber = get(P, "BlockNumber", m.blockNumber);
    m.blockStart = integer("BlockStart", m.blockStart);
    m.blockStep = integer("BlockStep", m.blockStep);
    m.blockMax = integer("BlockMax", 0);
    if (m.blockMax < 0 || (m.blockMax > 0 && m.blockStart > m.blockMax))
        throw EngineError("[POST] BlockMax must be 0 or at least BlockStart");
    auto option = [&](const char* key) {
        std::string t = ToUpperAscii(get(P, key, "job"));
        if (t == "JOB") return JobOption::Job;
        if (t == "YES") return JobOption::Yes;
        if (t == "NO") return JobOption::No;
        throw EngineError("[POST] " + std::string(key) + ": \"" + t + "\" is not job, yes or no");
    };
    auto yesNo = [&](const char* key, bool def) {
        std::string t = ToUpperAscii(get(P, key, def ? "yes" : "no"));
        if (t == "YES" || t == "1") return true;
        if (t == "NO" || t == "0") return false;
        throw EngineError("[POST] " + std::string(key) + ": \"" + t + "\" is not yes or no");
    };
    m.blockNumbers = option("BlockNumbers");
    m.comments = option("Comments");
    m.comment = get(P, "Comment", m.comment);
    m.commentReplace = get(P, "CommentReplace", "");
    if (m.commentReplace.size() % 2 != 0)
        throw EngineError("[POST] CommentReplace must hold pairs of characters");
    for (const std::string& w : Lines(get(P, "CommentGuard", "")))
        if (!w.empty()) m.commentGuard.push_back(ToUpperAscii(w));
    m.absolute = get(P, "Absolute", m.absolute);
    m.incremental = get(P, "Incremental", m.incremental);
    m.rapid = get(P, "Rapid", m.rapid);
    m.linear = get(P, "Linear", m.linear);
    m.arcCW = get(P, "ArcCW", m.arcCW);
    m.arcCCW = get(P, "ArcCCW", m.arcCCW);
    m.point = get(P, "Point", m.point);
    m.gRapid = get(P, "GRapid", m.gRapid);
    m.gLinear = get(P, "GLinear", m.gLinear);
    m.gArcCW = get(P, "GArcCW", m.gArcCW);
    m.gArcCCW = get(P, "GArcCCW", m.gArcCCW);
    m.gPoint = get(P, "GPoint", m.gPoint);
    m.axisX = get(P, "AxisX", m.axisX);
    m.axisY = get(P, "AxisY", m.axisY);
    m.axisZ = get(P, "AxisZ", m.axisZ);
    m.incrementalX = get(P, "IncrementalX", "");
    m.incrementalY = get(P, "IncrementalY", "");
    m.incrementalZ = get(P, "IncrementalZ", "");
    m.incrementalPrefix = get(P, "IncrementalPrefix", "");
    m.centreX = get(P, "CentreX", m.centreX);
    m.centreY = get(P, "CentreY", m.centreY);
    m.radius = get(P, "Radius", m.radius);
    m.modalCodes = integer("ModalCodes", 1) != 0;
    m.modalCoords = integer("ModalCoords", 1) != 0;
    m.modalFeed = integer("ModalFeed", 1) != 0;
    m.lowerCase = integer("LowerCase", 0) != 0;
    m.feedWord = get(P, "FeedWord", m.feedWord);
    m.zMoves = yesNo("ZMoves", true);
    m.retract = get(P, "Retract", m.retract);
    m.plunge = get(P, "Plunge", m.plunge);
    m.startRetract = get(P, "StartRetract", "");
    m.drillDefine = get(P, "DrillDefine", "");
    m.drill = get(P, "Drill", "");
    m.peckDrill = get(P, "PeckDrill", "");
    m.drillEnd = get(P, "DrillEnd", "");
    m.spindleCW = get(P, "SpindleCW", m.spindleCW);
    m.spindleCCW = get(P, "SpindleCCW", m.spindleCCW);
    m.spindleOff = get(P, "SpindleOff", m.spindleOff);
    m.coolantFlood = get(P, "CoolantFlood", m.coolantFlood);
    m.coolantMist = get(P, "CoolantMist", m.coolantMist);
    m.coolantOff = get(P, "CoolantOff", m.coolantOff);
    m.compLeft = get(P, "CompLeft", "");
    m.compRight = get(P, "CompRight", "");
    m.compOff = get(P, "CompOff", "");
    m.compEvery = integer("CompEvery", 0) != 0;
    std::string tol = get(P, "ArcTolerance", "0.002");
    auto t = ParseIniNumber(tol);
    if (!t || *t < 0) throw EngineError("[POST] ArcTolerance: \"" + tol + "\" is not a distance");
    m.arcTolerance = *t;
    return m;
}

}  // namespace vt::engine
