// The NC program from the job: the machine's frame, the moves block by block with the heights a
// mill needs (safe Z, plunge, passes), drilling cycles, and positions kept as whole counts of the
// last written decimal so that what was written is where the machine is.
#include "post.h"

#include <cctype>
#include <cmath>
#include <functional>
#include <optional>

#include "arc_centre.h"
#include "base/text_file.h"

namespace vt::engine {

namespace {

constexpr int kMaxPasses = 1000;

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

// Repeated and trailing spaces dropped.
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

std::vector<std::string> SplitBar(const std::string& templ) {
    std::vector<std::string> blocks;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = templ.find('|', start);
        blocks.push_back(
            templ.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) return blocks;
        start = bar + 1;
    }
}

double Number(const JobValues& v, const char* key) {
    return ParsePlainNumber(v.at(key)).value_or(0);
}

// The job settings of this run: the job's values over the machine's over the fields' own.
struct Settings {
    std::string program;
    long tool = 1;
    double spindle = 0, feed = 0, plunge = 0, safeZ = 0, depth = 0, perPass = 0, peck = 0;
    bool ccw = false, zMoves = true;
    std::string coolant;
};

Settings Resolve(const Job& job, const Machine& m) {
    const JobValues v = EffectiveJob(job.settings, m.jobDefaults);
    Settings s;
    s.program = v.at("Program");
    s.tool = std::lround(Number(v, "Tool"));
    s.spindle = Number(v, "Spindle");
    s.ccw = v.at("Direction") == "CCW";
    s.feed = Number(v, "Feed");
    s.plunge = Number(v, "PlungeFeed");
    s.safeZ = Number(v, "SafeZ");
    s.depth = Number(v, "Depth");
    s.perPass = Number(v, "DepthPerPass");
    s.peck = Number(v, "Peck");
    s.coolant = v.at("Coolant");
    s.zMoves = m.zMoves && v.at("ZMoves") == "On";
    return s;
}

using Lookup = std::function<std::optional<std::string>(const std::string&)>;

class Writer {
  public:
    Writer(const Job& job, const Machine& m) : job_(job), m_(m), s_(Resolve(job, m)) {
        numbered_ = m.blockNumbers == JobOption::Yes ||
                    (m.blockNumbers == JobOption::Job && job.blockNumbers);
        comments_ = m.comments == JobOption::Yes || (m.comments == JobOption::Job && job.comments);
        number_ = m.blockStart;
        if (s_.zMoves && s_.perPass > 0) {
            const double n = std::ceil(s_.depth / s_.perPass - 1e-9);
            if (n > kMaxPasses)
                throw EngineError("a depth of " + PlainNumber(s_.depth) + " in passes of " +
                                  PlainNumber(s_.perPass) + " needs more than " +
                                  std::to_string(kMaxPasses) + " passes");
            passes_ = std::max(1, static_cast<int>(n));
        }
    }

    std::vector<std::string> Run() {
        for (const auto& l : m_.startLines)
            if (auto text = Expand(l, Global())) {
                std::string line = Clean(*text);
                if (!line.empty()) lines_.push_back(line);
            }
        Blocks(m_.startBlocks, Global());
        // The frame leaves the control in absolute mode.
        modeKnown_ = true;
        incremental_ = false;
        if (s_.zMoves) Retract(true);
        const auto& records = job_.records;
        for (std::size_t i = 0; i < records.size();)
            i = IsCutting(records[i]) ? Sequence(i) : (Record(records[i], i), i + 1);
        EndCycle();
        if (s_.zMoves && !atSafe_) Retract(false);
        Blocks(m_.endBlocks, Global());
        for (const auto& l : m_.endLines)
            if (auto text = Expand(l, Global())) {
                std::string line = Clean(*text);
                if (!line.empty()) lines_.push_back(line);
            }
        return lines_;
    }

  private:
    static int Kind(const JobRecord& r) { return r.typ >= 5 && r.typ <= 9 ? r.typ - 6 : r.typ; }
    static bool IsCutting(const JobRecord& r) {
        const int k = Kind(r);
        return !r.IsMarker() && k >= 1 && k <= 3;
    }
    static bool IsRapidOrPoint(const JobRecord& r) {
        const int k = Kind(r);
        return !r.IsMarker() && (k == 0 || k == -1);
    }

    // ---- text ------------------------------------------------------------------------------

    // Fills the {KEY} placeholders of a template block. Nothing when the block has placeholders
    // and every one of them came out empty: such a block is left out.
    std::optional<std::string> Expand(const std::string& templ, const Lookup& value) const {
        std::string out;
        bool any = false, filled = false;
        for (std::size_t i = 0; i < templ.size();) {
            std::size_t close = templ[i] == '{' ? templ.find('}', i) : std::string::npos;
            if (close == std::string::npos) {
                out += templ[i++];
                continue;
            }
            const std::string key = templ.substr(i + 1, close - i - 1);
            auto v = value(key);
            if (!v)
                throw EngineError("the template \"" + templ + "\" of " + m_.name + " uses {" + key +
                                  "}, which it cannot fill there");
            any = true;
            filled = filled || !v->empty();
            out += *v;
            i = close + 1;
        }
        if (any && !filled) return std::nullopt;
        return out;
    }

    // Text from the drawing inside a comment: it can neither end the comment nor start a command.
    std::string CommentText(const std::string& text) const {
        std::string out;
        for (char c : text) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
            for (std::size_t k = 0; k + 1 < m_.commentReplace.size(); k += 2)
                if (c == m_.commentReplace[k]) {
                    c = m_.commentReplace[k + 1];
                    break;
                }
            out += c;
        }
        const std::string head = ToUpperAscii(Trim(out, " "));
        for (const std::string& word : m_.commentGuard)
            if (head.compare(0, word.size(), word) == 0 &&
                (head.size() == word.size() ||
                 !std::isalnum(static_cast<unsigned char>(head[word.size()]))))
                return "_" + out;
        return out;
    }

    std::string Comment(const std::string& text) const {
        return Replace(m_.comment, "{TEXT}", CommentText(text));
    }

    // One block: its number, its text and the move's comment. A manual line's text is the user's
    // and is written as typed. A template block starting with '+' continues the block before it:
    // it gets no number of its own.
    void Block(const std::string& text, const std::string& label, bool verbatim = false) {
        const bool continuation = !verbatim && !text.empty() && text[0] == '+';
        std::string line = verbatim ? text : Clean(continuation ? text.substr(1) : text);
        if (Clean(line).empty()) return;
        if (m_.lowerCase && !verbatim) line = Lower(line);
        if (continuation) {
            lines_.push_back("  " + std::string(Trim(line, " ")));
            return;
        }
        if (numbered_ && !m_.blockNumber.empty()) {
            if (m_.blockMax > 0 && number_ > m_.blockMax) number_ = m_.blockStart;
            std::string number = Replace(m_.blockNumber, "{N}", std::to_string(number_));
            line = (m_.lowerCase ? Lower(number) : number) + " " + line;
            number_ += m_.blockStep;
        }
        if (comments_ && !label.empty() && !m_.comment.empty()) line += " " + Comment(label);
        lines_.push_back(line);
    }

    // Every block of a template ("|" between blocks), the label on the first one written.
    void Blocks(const std::vector<std::string>& blocks, const Lookup& value,
                const std::string& label = "") {
        bool labelled = false;
        for (const std::string& b : blocks)
            if (auto text = Expand(b, value)) {
                Block(*text, labelled ? "" : label);
                labelled = labelled || !Clean(*text).empty();
            }
    }

    // ---- numbers ---------------------------------------------------------------------------

    std::string Units(double value, const NumberFormat& f) const {
        return FormatUnits(ToUnits(value, f, false), f);
    }

    // A program number as the machine takes it, or nothing.
    std::optional<long> ProgramNumber(std::string_view text) const {
        const std::string t(Trim(text, " \t"));
        if (t.empty() || t.size() > 12) return std::nullopt;
        for (char c : t)
            if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        const long n = std::stol(t);
        if (n < 1 || n > m_.programMax) return std::nullopt;
        return n;
    }

    std::string ProgramName() const {
        if (m_.programKind == ProgramKind::Number) {
            long n =
                ProgramNumber(s_.program).value_or(ProgramNumber(job_.programNumber).value_or(1));
            std::string t = std::to_string(n);
            while (static_cast<int>(t.size()) < m_.programDigits)
                t = "0" + t;
            return t;
        }
        auto name = [&](std::string_view t) {
            std::string out;
            for (char c : Trim(t, " \t"))
                if (out.size() < static_cast<std::size_t>(m_.programMax))
                    out += std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_';
            return out;
        };
        std::string n = name(s_.program);
        if (n.empty()) n = name(job_.programNumber);
        return n.empty() ? "1" : n;
    }

    // The program's name as a comment where the program word cannot hold it.
    std::string Title() const {
        const std::string name(Trim(s_.program, " \t"));
        if (name.empty() || (m_.programKind == ProgramKind::Number && ProgramNumber(name)))
            return "";
        return Comment(name);
    }

    // The values every template can use: the program, tool, spindle, coolant and heights.
    Lookup Global() const {
        return [this](const std::string& key) -> std::optional<std::string> {
            if (key == "PGM") return ProgramName();
            if (key == "TITLE") return Title();
            if (key == "T") return std::to_string(s_.tool);
            if (key == "T2") {
                if (s_.tool > 99)
                    throw EngineError("tool " + std::to_string(s_.tool) + ": " + m_.name +
                                      " takes tool numbers from 1 to 99");
                return (s_.tool < 10 ? "0" : "") + std::to_string(s_.tool);
            }
            if (key == "S") return PlainNumber(std::round(s_.spindle), 0);
            if (key == "SPINDLE") return s_.ccw ? m_.spindleCCW : m_.spindleCW;
            if (key == "SPINDLEOFF") return m_.spindleOff;
            if (key == "COOLANT")
                return s_.coolant == "Flood"  ? m_.coolantFlood
                       : s_.coolant == "Mist" ? m_.coolantMist
                                              : std::string();
            if (key == "COOLANTOFF") return s_.coolant == "Off" ? std::string() : m_.coolantOff;
            if (key == "SAFEZ") return Units(s_.safeZ, m_.formatZ);
            if (key == "BOTTOM") return Units(-s_.depth, m_.formatZ);
            if (key == "DEPTH") return Units(s_.depth, m_.formatZ);
            if (key == "PECK") return Units(s_.peck > 0 ? s_.peck : s_.depth, m_.formatZ);
            if (key == "PLUNGE") return Units(s_.plunge, m_.formatF);
            if (key == "FEED") return Units(s_.feed, m_.formatF);
            if (key == "COMP") return CompWord();
            return std::nullopt;
        };
    }

    // The compensation word of the block being written: the switch this move makes, else the
    // state where the machine repeats it on every block.
    std::string CompWord() const {
        const int word = switch_ != 0 ? switch_ : m_.compEvery ? (comp_ != 0 ? comp_ : 3) : 0;
        const std::string& w = word == 1   ? m_.compLeft
                               : word == 2 ? m_.compRight
                               : word == 3 ? m_.compOff
                                           : std::string();
        return Replace(w, "{T}", std::to_string(s_.tool));
    }

    const NumberFormat& Format(int axis) const { return axis == 0 ? m_.formatX : m_.formatY; }

    // A position in drawing units from whole counts of the axis format.
    double Drawing(int axis, int64_t units) const {
        const NumberFormat& f = Format(axis);
        return static_cast<double>(units) / static_cast<double>(Pow10(f.decimals)) / f.multiplier;
    }

    // The coordinate word of one axis, left out when a modal value does not change.
    std::string Axis(int axis, int64_t target, bool forced) const {
        const NumberFormat& f = Format(axis);
        const std::string& letter = axis == 0 ? m_.axisX : m_.axisY;
        if (incremental_) {
            int64_t delta = target - pos_[axis];
            if (delta == 0 && m_.modalCoords && known_[axis] && !forced) return "";
            const std::string& inc = axis == 0 ? m_.incrementalX : m_.incrementalY;
            return m_.incrementalPrefix + (inc.empty() ? letter : inc) + FormatUnits(delta, f);
        }
        if (target == pos_[axis] && m_.modalCoords && known_[axis] && !forced) return "";
        return letter + FormatUnits(target, f);
    }

    // Z follows the distance mode where the mode is a modal code (G91); where incremental words
    // have their own letters, Z is written absolute.
    std::string ZWord(int64_t target) const {
        if (incremental_ && !m_.incremental.empty() && zKnown_)
            return m_.incrementalPrefix + (m_.incrementalZ.empty() ? m_.axisZ : m_.incrementalZ) +
                   FormatUnits(target - zPos_, m_.formatZ);
        return m_.axisZ + FormatUnits(target, m_.formatZ);
    }

    std::string Code(const std::string& code) {
        if (m_.modalCodes && code == lastCode_) return "";
        lastCode_ = code;
        return code;
    }

    std::string FeedWord(double value) {
        const int64_t units = ToUnits(value, m_.formatF, false);
        if (m_.modalFeed && feedKnown_ && units == feed_) return "";
        feed_ = units;
        feedKnown_ = true;
        return m_.feedWord + FormatUnits(units, m_.formatF);
    }

    // After a manual line nothing modal is known: the next move writes its code, both
    // coordinates, its feed and the distance mode.
    void ForgetModal() {
        lastCode_.clear();
        known_[0] = known_[1] = false;
        feedKnown_ = false;
        modeKnown_ = false;
    }

    void Mode(bool incremental) {
        if (modeKnown_ && incremental == incremental_) return;
        incremental_ = incremental;
        modeKnown_ = true;
        Block(incremental ? m_.incremental : m_.absolute, "");
    }

    // ---- heights ---------------------------------------------------------------------------

    void Retract(bool first) {
        const int64_t z = ToUnits(s_.safeZ, m_.formatZ, false);
        const std::string& templ = first && !m_.startRetract.empty() ? m_.startRetract : m_.retract;
        const Lookup global = Global();
        Blocks(SplitBar(templ), [&](const std::string& key) -> std::optional<std::string> {
            if (key == "G") return Code(m_.gRapid);
            if (key == "Z") return ZWord(z);
            return global(key);
        });
        zPos_ = z;
        zKnown_ = true;
        atSafe_ = true;
    }

    void Plunge(double depth) {
        const int64_t z = ToUnits(-depth, m_.formatZ, false);
        const Lookup global = Global();
        Blocks(SplitBar(m_.plunge), [&](const std::string& key) -> std::optional<std::string> {
            if (key == "G") return Code(m_.gLinear);
            if (key == "Z") return ZWord(z);
            if (key == "F") return FeedWord(s_.plunge);
            return global(key);
        });
        zPos_ = z;
        zKnown_ = true;
        atSafe_ = false;
    }

    void EndCycle() {
        if (!inCycle_) return;
        inCycle_ = false;
        Blocks(SplitBar(m_.drillEnd), Global());
        lastCode_.clear();
    }

    // ---- moves -----------------------------------------------------------------------------

    // Writes a move's template; `extra` fills what only this move knows.
    void Emit(const std::string& templ, const std::string& label, const Lookup& extra) {
        const Lookup global = Global();
        Blocks(
            SplitBar(templ),
            [&](const std::string& key) -> std::optional<std::string> {
                if (auto v = extra(key)) return v;
                return global(key);
            },
            label);
    }

    void MovedTo(int64_t tx, int64_t ty, double x, double y) {
        pos_[0] = tx;
        pos_[1] = ty;
        known_[0] = known_[1] = true;
        xyKnown_ = true;
        drawnX_ = x;
        drawnY_ = y;
    }

    // A linear move of the template's kind to (tx, ty); both words when neither would be written.
    void Linear(const std::string& templ, const std::string& code, bool feed, int64_t tx,
                int64_t ty, double x, double y, const std::string& label) {
        const bool force = Axis(0, tx, false).empty() && Axis(1, ty, false).empty();
        const std::string xw = Axis(0, tx, force), yw = Axis(1, ty, force);
        Emit(templ, label, [&](const std::string& key) -> std::optional<std::string> {
            if (key == "G") return Code(code);
            if (key == "X") return xw;
            if (key == "Y") return yw;
            if (key == "F") return feed ? FeedWord(s_.feed) : std::string();
            return std::nullopt;
        });
        MovedTo(tx, ty, x, y);
    }

    void RapidTo(int64_t tx, int64_t ty, double x, double y) {
        Linear(m_.rapid, m_.gRapid, false, tx, ty, x, y, "");
    }

    void Record(const JobRecord& r, std::size_t index) {
        if (r.IsMarker()) {
            EndCycle();
            Mode(r.ncText == "(INKREMENT)");
            return;
        }
        if (r.typ == 255) {
            EndCycle();
            Block(r.ncText, "", true);
            ForgetModal();
            return;
        }
        const int kind = Kind(r);
        if (kind != -1) EndCycle();
        Mode(r.typ >= 5);
        const int64_t tx = ToUnits(r.x, m_.formatX, true), ty = ToUnits(r.y, m_.formatY, true);
        if (kind == -1) {
            Point(r, tx, ty);
        } else if (kind == 0) {
            if (s_.zMoves && !atSafe_) Retract(false);
            Linear(m_.rapid, m_.gRapid, false, tx, ty, r.x, r.y, r.label);
        } else if (kind == 1) {
            if (r.comp != 0) SwitchCompensation(r, index);
            Linear(m_.linear, m_.gLinear, true, tx, ty, r.x, r.y, r.label);
            if (switch_ != 0) comp_ = switch_ == 3 ? 0 : switch_;
            switch_ = 0;
        } else {
            Arc(r, index, tx, ty);
        }
    }

    void SwitchCompensation(const JobRecord& r, std::size_t index) {
        const std::string where =
            "record " + std::to_string(index + 1) + (r.label.empty() ? "" : " (" + r.label + ")");
        if (m_.compLeft.empty() || m_.compRight.empty() || m_.compOff.empty() ||
            m_.linear.find("{COMP}") == std::string::npos)
            throw EngineError(where + ": " + m_.name +
                              " has no tool radius compensation (CompLeft, CompRight, CompOff "
                              "and {COMP} in Linear); make the contour with the compensation "
                              "computed by the program");
        if (r.comp != 3 && comp_ != 0)
            throw EngineError(where + ": tool radius compensation is switched on twice");
        switch_ = r.comp;
    }

    // An NC point: a drilling cycle where the machine has one and the program moves Z, else a
    // positioning move.
    void Point(const JobRecord& r, int64_t tx, int64_t ty) {
        if (s_.zMoves && !atSafe_) Retract(false);
        if (!s_.zMoves || m_.drill.empty()) {
            Linear(m_.point, m_.gPoint, false, tx, ty, r.x, r.y, r.label);
            return;
        }
        if (!inCycle_) {
            Blocks(SplitBar(m_.drillDefine), Global());
            inCycle_ = true;
        }
        const std::string xw = Axis(0, tx, true), yw = Axis(1, ty, true);
        // Incremental cycles count R from the current height and Z from R.
        const bool inc = incremental_ && !m_.incremental.empty();
        const double cycleZ = inc ? -s_.depth - s_.safeZ : -s_.depth;
        const double cycleR = inc ? 0 : s_.safeZ;
        const std::string& templ = s_.peck > 0 && !m_.peckDrill.empty() ? m_.peckDrill : m_.drill;
        Emit(templ, r.label, [&](const std::string& key) -> std::optional<std::string> {
            if (key == "X") return xw;
            if (key == "Y") return yw;
            if (key == "F") return FeedWord(s_.plunge);
            if (key == "CYCLEZ") return Units(cycleZ, m_.formatZ);
            if (key == "CYCLER") return Units(cycleR, m_.formatZ);
            return std::nullopt;
        });
        lastCode_.clear();  // the cycle is the motion mode now
        MovedTo(tx, ty, r.x, r.y);
    }

    // The cutting moves from `first` up to the next rapid or NC point: plunged to depth, in
    // passes when the job asks. Returns the index after them.
    std::size_t Sequence(std::size_t first) {
        const auto& records = job_.records;
        std::size_t end = first + 1;
        for (std::size_t j = first; j < records.size() && !IsRapidOrPoint(records[j]); ++j)
            if (IsCutting(records[j])) end = j + 1;
        EndCycle();
        // Never plunge where the machine has not been sent: the path starts at the drawing's
        // origin.
        if (!xyKnown_) {
            Mode(records[first].typ >= 5);
            RapidTo(ToUnits(drawnX_, m_.formatX, true), ToUnits(drawnY_, m_.formatY, true), drawnX_,
                    drawnY_);
        }
        const int64_t startX = pos_[0], startY = pos_[1];
        const double drawnX = drawnX_, drawnY = drawnY_;
        const int passes = s_.zMoves ? passes_ : 1;
        for (int pass = 1; pass <= passes; ++pass) {
            Mode(records[first].typ >= 5);
            if (pass > 1 && (pos_[0] != startX || pos_[1] != startY)) {
                Retract(false);
                RapidTo(startX, startY, drawnX, drawnY);
            }
            drawnX_ = drawnX;
            drawnY_ = drawnY;
            if (s_.zMoves) Plunge(passes > 1 ? std::min(pass * s_.perPass, s_.depth) : s_.depth);
            for (std::size_t j = first; j < end; ++j)
                Record(records[j], j);
        }
        return end;
    }

    // A circular move. The written centre is chosen on its grid so that the radii at the rounded
    // start and end agree; a move that rounds to nothing is left out, a full turn is written in
    // the machine's full-circle form.
    void Arc(const JobRecord& r, std::size_t index, int64_t tx, int64_t ty) {
        const bool cw = Kind(r) == 2;
        const std::string& templ = cw ? m_.arcCW : m_.arcCCW;
        const std::string code = cw ? m_.gArcCW : m_.gArcCCW;
        const std::string where = "block for record " + std::to_string(index + 1) +
                                  (r.label.empty() ? "" : " (" + r.label + ")");
        const bool full = std::hypot(r.x - drawnX_, r.y - drawnY_) <=
                          1e-9 * std::max({1.0, std::fabs(r.r), std::fabs(r.x), std::fabs(r.y)});
        if (!full && tx == pos_[0] && ty == pos_[1]) {
            // Shorter than the output resolution: the machine would read a full circle.
            drawnX_ = r.x;
            drawnY_ = r.y;
            return;
        }
        if (templ.find("{R}") != std::string::npos) {
            if (full) {
                // Two half turns: no radius word can describe a full one.
                const double mx = 2 * r.cx - r.x, my = 2 * r.cy - r.y;
                RadiusArc(templ, code, r, where, ToUnits(mx, m_.formatX, true),
                          ToUnits(my, m_.formatY, true), mx, my, r.label);
                RadiusArc(templ, code, r, where, tx, ty, r.x, r.y, "");
            } else {
                RadiusArc(templ, code, r, where, tx, ty, r.x, r.y, r.label);
            }
            return;
        }
        const bool relative =
            templ.find("{I}") != std::string::npos || templ.find("{J}") != std::string::npos;
        ArcGrid g;
        g.sx = Drawing(0, pos_[0]);
        g.sy = Drawing(1, pos_[1]);
        g.ex = Drawing(0, tx);
        g.ey = Drawing(1, ty);
        g.cx = r.cx;
        g.cy = r.cy;
        if (relative) {
            g.ox = g.sx;
            g.oy = g.sy;
            g.qx = 1.0 / static_cast<double>(Pow10(m_.formatX.decimals));
            g.qy = 1.0 / static_cast<double>(Pow10(m_.formatY.decimals));
        } else {
            g.ox = g.oy = 0;
            g.qx = Drawing(0, 1);
            g.qy = Drawing(1, 1);
        }
        const ArcCentre c = ChooseArcCentre(g);
        if (c.radiusDifference > m_.arcTolerance) {
            // An arc too flat to be told from its chord at this resolution is its chord.
            const double chord = std::hypot(g.ex - g.sx, g.ey - g.sy);
            const double sagitta =
                std::fabs(r.r) - std::sqrt(std::max(0.0, r.r * r.r - chord * chord / 4));
            if (!full && sagitta <= std::max(g.qx, g.qy) &&
                ArcSweep(drawnX_, drawnY_, r.x, r.y, r.cx, r.cy, cw) < M_PI) {
                Linear(m_.linear, m_.gLinear, true, tx, ty, r.x, r.y, r.label);
                return;
            }
            throw EngineError(where + ": the arc's radius is " +
                              PlainNumber(std::hypot(c.x - g.sx, c.y - g.sy), 6) +
                              " at the start and " +
                              PlainNumber(std::hypot(c.x - g.ex, c.y - g.ey), 6) +
                              " at the end; the machine's resolution cannot hold it within " +
                              PlainNumber(m_.arcTolerance, 6));
        }
        const std::string xw = Axis(0, tx, true), yw = Axis(1, ty, true);
        Emit(templ, r.label, [&](const std::string& key) -> std::optional<std::string> {
            if (key == "G") return Code(code);
            if (key == "X") return xw;
            if (key == "Y") return yw;
            if (key == "F") return FeedWord(s_.feed);
            if (relative && key == "I") return m_.centreX + FormatUnits(c.i, m_.formatX);
            if (relative && key == "J") return m_.centreY + FormatUnits(c.j, m_.formatY);
            if (!relative && key == "CX") return m_.axisX + FormatUnits(c.i, m_.formatX);
            if (!relative && key == "CY") return m_.axisY + FormatUnits(c.j, m_.formatY);
            return std::nullopt;
        });
        MovedTo(tx, ty, r.x, r.y);
    }

    // An arc with a radius word (negative beyond half a turn), the radius raised where rounding
    // made the chord longer than the diameter.
    void RadiusArc(const std::string& templ, const std::string& code, const JobRecord& r,
                   const std::string& where, int64_t tx, int64_t ty, double x, double y,
                   const std::string& label) {
        const double sx = Drawing(0, pos_[0]), sy = Drawing(1, pos_[1]);
        const double ex = Drawing(0, tx), ey = Drawing(1, ty);
        const double q = 1.0 / static_cast<double>(Pow10(m_.formatX.decimals));
        const double chord = std::hypot(ex - sx, ey - sy);
        int64_t ur = ToUnits(std::fabs(r.r), m_.formatX, false);
        if (static_cast<double>(2 * ur) * q < chord)
            ur = static_cast<int64_t>(std::ceil(chord / 2 / q - 1e-9));
        if (static_cast<double>(ur) * q - std::fabs(r.r) > m_.arcTolerance)
            throw EngineError(where + ": the end point is farther from the start than the radius " +
                              PlainNumber(std::fabs(r.r), 6) + " allows");
        const bool cw = Kind(r) == 2;
        const double sweep = ArcSweep(drawnX_, drawnY_, x, y, r.cx, r.cy, cw);
        const std::string xw = Axis(0, tx, true), yw = Axis(1, ty, true);
        Emit(templ, label, [&](const std::string& key) -> std::optional<std::string> {
            if (key == "G") return Code(code);
            if (key == "X") return xw;
            if (key == "Y") return yw;
            if (key == "F") return FeedWord(s_.feed);
            if (key == "R")
                return m_.radius + FormatUnits(sweep > M_PI + 1e-9 ? -ur : ur, m_.formatX);
            return std::nullopt;
        });
        MovedTo(tx, ty, x, y);
    }

    const Job& job_;
    const Machine& m_;
    const Settings s_;
    std::vector<std::string> lines_;
    bool numbered_ = false, comments_ = false;
    long number_ = 0;
    int passes_ = 1;
    bool modeKnown_ = false, incremental_ = false;
    int64_t pos_[2] = {0, 0};
    bool known_[2] = {false, false};  // the control's modal coordinates
    bool xyKnown_ = false;            // the machine has been sent somewhere in the plane
    double drawnX_ = 0, drawnY_ = 0;  // the drawn position (the path starts at the origin)
    int64_t zPos_ = 0;
    bool zKnown_ = false, atSafe_ = false;
    bool inCycle_ = false;
    int64_t feed_ = 0;
    bool feedKnown_ = false;
    std::string lastCode_;
    int comp_ = 0;    // the control's compensation: 0 off, 1 left, 2 right
    int switch_ = 0;  // what the block being written switches it to (3 off)
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
