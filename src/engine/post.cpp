// The NC program from the job: templates filled block by block, positions kept as whole counts of
// the last written decimal so that what was written is where the machine is.
#include "post.h"

#include <cctype>
#include <cmath>
#include <map>

namespace vt::engine {

namespace {

int64_t Pow10(int d) {
    int64_t p = 1;
    for (int i = 0; i < d; ++i)
        p *= 10;
    return p;
}

std::string Replace(std::string s, const std::string& key, const std::string& value) {
    for (std::size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + value.size()))
        s.replace(at, key.size(), value);
    return s;
}

std::string Clean(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct Words {
    std::map<std::string, std::string> values;  // {X} -> "X10."
    std::string Fill(std::string templ) const {
        for (const auto& [k, v] : values)
            templ = Replace(templ, k, v);
        return templ;
    }
};

class Writer {
  public:
    Writer(const Job& job, const Machine& m) : job_(job), m_(m) {
        numbered_ = m.blockNumbers == JobOption::Yes ||
                    (m.blockNumbers == JobOption::Job && job.blockNumbers);
        comments_ = m.comments == JobOption::Yes || (m.comments == JobOption::Job && job.comments);
        number_ = m.blockStart;
    }

    std::vector<std::string> Run() {
        for (const auto& l : m_.startLines)
            lines_.push_back(Program(l));
        for (const auto& b : m_.startBlocks)
            Block(Program(b), "");
        for (std::size_t i = 0; i < job_.records.size(); ++i)
            Record(job_.records[i], i);
        for (const auto& b : m_.endBlocks)
            Block(Program(b), "");
        for (const auto& l : m_.endLines)
            lines_.push_back(Program(l));
        return lines_;
    }

  private:
    std::string Program(const std::string& s) const {
        return Replace(s, "{PGM}", job_.programNumber);
    }

    // One block: its number, its text and the move's comment. A manual line's text is the user's
    // and is written as typed.
    void Block(const std::string& text, const std::string& label, bool verbatim = false) {
        std::string line = verbatim ? text : Clean(text);
        if (Clean(line).empty()) return;
        if (m_.lowerCase && !verbatim) line = Lower(line);
        if (numbered_ && !m_.blockNumber.empty()) {
            std::string number = Replace(m_.blockNumber, "{N}", std::to_string(number_));
            line = (m_.lowerCase ? Lower(number) : number) + " " + line;
            number_ += m_.blockStep;
        }
        if (comments_ && !label.empty() && !m_.comment.empty())
            line += " " + Replace(m_.comment, "{TEXT}", label);
        lines_.push_back(line);
    }

    void Mode(bool incremental) {
        if (modeKnown_ && incremental == incremental_) return;
        incremental_ = incremental;
        modeKnown_ = true;
        Block(incremental ? m_.incremental : m_.absolute, "");
    }

    std::string Word(const std::string& letter, int64_t units, const NumberFormat& f) const {
        return letter + FormatUnits(units, f);
    }

    // The coordinate word of one axis, left out when a modal value does not change.
    std::string Axis(int axis, int64_t target, bool forced) {
        const NumberFormat& f = axis == 0 ? m_.formatX : m_.formatY;
        const std::string& letter = axis == 0 ? m_.axisX : m_.axisY;
        if (incremental_) {
            int64_t delta = target - pos_[axis];
            if (delta == 0 && m_.modalCoords && known_[axis] && !forced) return "";
            const std::string& inc = axis == 0 ? m_.incrementalX : m_.incrementalY;
            return m_.incrementalPrefix + (inc.empty() ? letter : inc) + FormatUnits(delta, f);
        }
        if (target == pos_[axis] && m_.modalCoords && known_[axis] && !forced) return "";
        return Word(letter, target, f);
    }

    std::string Code(const std::string& code) {
        if (m_.modalCodes && code == lastCode_) return "";
        lastCode_ = code;
        return code;
    }

    double Drawing(int axis, int64_t units) const {
        const NumberFormat& f = axis == 0 ? m_.formatX : m_.formatY;
        return static_cast<double>(units) / static_cast<double>(Pow10(f.decimals)) / f.multiplier;
    }

    void Record(const JobRecord& r, std::size_t index) {
        if (r.IsMarker()) {
            Mode(r.ncText == "(INKREMENT)");
            return;
        }
        if (r.typ == 255) {
            Block(r.ncText, "", true);
            return;
        }
        const bool incremental = r.typ >= 5;
        const int kind = incremental ? r.typ - 6 : r.typ;
        Mode(incremental);
        const int64_t tx = ToUnits(r.x, m_.formatX, true), ty = ToUnits(r.y, m_.formatY, true);
        const bool arc = kind == 2 || kind == 3;
        Words w;
        std::string templ;
        switch (kind) {
            case -1:
                templ = m_.point;
                w.values["{G}"] = Code(m_.gPoint);
                break;
            case 0:
                templ = m_.rapid;
                w.values["{G}"] = Code(m_.gRapid);
                break;
            case 1:
                templ = m_.linear;
                w.values["{G}"] = Code(m_.gLinear);
                break;
            default:
                templ = kind == 2 ? m_.arcCW : m_.arcCCW;
                w.values["{G}"] = Code(kind == 2 ? m_.gArcCW : m_.gArcCCW);
                Arc(r, index, tx, ty, templ, w);
                break;
        }
        w.values["{X}"] = Axis(0, tx, arc);
        w.values["{Y}"] = Axis(1, ty, arc);
        w.values["{F}"] = kind == 0 || kind == -1 ? "" : m_.feed;
        std::vector<std::string> blocks;
        std::size_t start = 0;
        for (;;) {
            std::size_t bar = templ.find('|', start);
            blocks.push_back(
                templ.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
            if (bar == std::string::npos) break;
            start = bar + 1;
        }
        for (std::size_t b = 0; b < blocks.size(); ++b)
            Block(w.Fill(blocks[b]), b == 0 ? r.label : "");
        pos_[0] = tx;
        pos_[1] = ty;
        known_[0] = known_[1] = true;
    }

    // Centre words from the rounded start point; the radius at the start and the end checked after
    // rounding.
    void Arc(const JobRecord& r, std::size_t index, int64_t tx, int64_t ty,
             const std::string& templ, Words& w) {
        const double sx = Drawing(0, pos_[0]), sy = Drawing(1, pos_[1]);
        const double ex = Drawing(0, tx), ey = Drawing(1, ty);
        double cx = r.cx, cy = r.cy;
        if (templ.find("{I}") != std::string::npos || templ.find("{J}") != std::string::npos) {
            int64_t i = ToUnits(r.cx - sx, m_.formatX, false),
                    j = ToUnits(r.cy - sy, m_.formatY, false);
            w.values["{I}"] = Word(m_.centreX, i, m_.formatX);
            w.values["{J}"] = Word(m_.centreY, j, m_.formatY);
            cx = sx + static_cast<double>(i) / static_cast<double>(Pow10(m_.formatX.decimals));
            cy = sy + static_cast<double>(j) / static_cast<double>(Pow10(m_.formatY.decimals));
        }
        if (templ.find("{CX}") != std::string::npos || templ.find("{CY}") != std::string::npos) {
            int64_t ux = ToUnits(r.cx, m_.formatX, true), uy = ToUnits(r.cy, m_.formatY, true);
            w.values["{CX}"] = Word(m_.axisX, ux, m_.formatX);
            w.values["{CY}"] = Word(m_.axisY, uy, m_.formatY);
            cx = Drawing(0, ux);
            cy = Drawing(1, uy);
        }
        const std::string where = "block for record " + std::to_string(index + 1) +
                                  (r.label.empty() ? "" : " (" + r.label + ")");
        if (templ.find("{R}") != std::string::npos) {
            if (sx == ex && sy == ey)
                throw EngineError(where + ": a full circle cannot be written with a radius word");
            double a1 = std::atan2(sy - r.cy, sx - r.cx), a2 = std::atan2(ey - r.cy, ex - r.cx);
            double swept = r.typ % 6 == 3 ? a2 - a1 : a1 - a2;
            while (swept <= 0)
                swept += 2 * M_PI;
            int64_t ur = ToUnits(r.r, m_.formatX, false);
            w.values["{R}"] = m_.radius + FormatUnits(swept > M_PI ? -ur : ur, m_.formatX);
            double rr = static_cast<double>(ur) / static_cast<double>(Pow10(m_.formatX.decimals));
            if (std::hypot(ex - sx, ey - sy) > 2 * rr + m_.arcTolerance)
                throw EngineError(
                    where + ": the end point is farther from the start than the radius allows");
            return;
        }
        const double rs = std::hypot(sx - cx, sy - cy), re = std::hypot(ex - cx, ey - cy);
        if (std::fabs(rs - re) > m_.arcTolerance) {
            char buf[160];
            std::snprintf(buf, sizeof buf,
                          ": the arc's radius is %.6f at the start and %.6f at the end", rs, re);
            throw EngineError(where + buf);
        }
    }

    const Job& job_;
    const Machine& m_;
    std::vector<std::string> lines_;
    bool numbered_ = false, comments_ = false;
    long number_ = 0;
    bool modeKnown_ = false, incremental_ = false;
    int64_t pos_[2] = {0, 0};
    bool known_[2] = {false, false};
    std::string lastCode_;
};

}  // namespace

int64_t ToUnits(double value, const NumberFormat& f, bool multiply) {
    double v = (multiply ? value * f.multiplier : value) * static_cast<double>(Pow10(f.decimals));
    if (!std::isfinite(v) || std::fabs(v) > 9e17)
        throw EngineError("a coordinate is too large to be written");
    return static_cast<int64_t>(std::nearbyint(v));
}

std::string FormatUnits(int64_t units, const NumberFormat& f) {
    const int64_t scale = Pow10(f.decimals);
    const uint64_t a = units < 0 ? static_cast<uint64_t>(-units) : static_cast<uint64_t>(units);
    std::string whole = std::to_string(a / static_cast<uint64_t>(scale));
    std::string frac = f.decimals > 0 ? std::to_string(a % static_cast<uint64_t>(scale)) : "";
    if (f.decimals > 0)
        frac = std::string(static_cast<std::size_t>(f.decimals) - frac.size(), '0') + frac;
    if (!f.trailingZeros)
        while (!frac.empty() && frac.back() == '0')
            frac.pop_back();
    if (whole == "0" && f.leadingDigits == 0 && !frac.empty()) whole = "";
    while (static_cast<int>(whole.size()) < f.leadingDigits)
        whole = "0" + whole;
    std::string s = whole;
    if (!frac.empty())
        s += "." + frac;
    else if (f.point)
        s += ".";
    if (s == "." || s.empty()) s = f.point ? "0." : "0";
    std::string sign = units < 0 ? "-" : (f.plusSign ? "+" : "");
    return sign + s;
}

std::vector<std::string> Generate(const Job& job, const Machine& m) {
    return Writer(job, m).Run();
}

}  // namespace vt::engine
