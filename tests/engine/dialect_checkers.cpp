// The Heidenhain and lathe readers.
#include "dialect_checkers.h"

#include <cmath>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

namespace vt::test {

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream s(text);
    for (std::string l; std::getline(s, l);)
        out.push_back(l);
    return out;
}

std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// A refusal: the first broken rule, with its line.
struct Refusal {
    std::string why;
};

void Fail(std::size_t line, const std::string& text, const std::string& rule) {
    throw Refusal{"line " + std::to_string(line + 1) + " \"" + text + "\": " + rule};
}

// ---- Heidenhain ------------------------------------------------------------------------------

const std::regex kSigned(R"([+-][0-9]+(\.[0-9]+)?)");
const std::regex kUnsigned(R"([0-9]+(\.[0-9]+)?)");
const std::regex kName(R"([A-Za-z0-9_-]{1,16})");
const std::regex kQParam(R"(  (Q[0-9]{3})=([+-]?[0-9]+(\.[0-9]+)?) ;[A-Z0-9 .-]+)");

// Cycle 200's parameters in the order the control lists them.
const char* const kCycle200[] = {"Q200", "Q201", "Q206", "Q202", "Q210", "Q203", "Q204", "Q211"};

class Heidenhain {
  public:
    void Run(const std::vector<std::string>& lines, Interpretation& r) {
        if (lines.empty()) throw Refusal{"an empty program"};
        long expected = 0;
        std::string name;
        bool ended = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (ended) Fail(i, line, "text after END PGM");
            if (line.rfind("  ", 0) == 0) {
                Parameter(i, line);
                continue;
            }
            if (cycleParams_ < 8 && cycleDefined_)
                Fail(i, line,
                     "cycle 200 lacks its parameter " + std::string(kCycle200[cycleParams_]));
            std::smatch m;
            static const std::regex block(R"(([0-9]+) (.*))");
            if (!std::regex_match(line, m, block)) Fail(i, line, "not a numbered block");
            if (std::stol(m[1]) != expected)
                Fail(i, line,
                     "block number " + m[1].str() + ", expected " + std::to_string(expected));
            ++expected;
            std::string body = m[2], comment;
            if (std::size_t semi = body.find(';'); semi != std::string::npos) {
                comment = body.substr(semi + 1);
                body = body.substr(0, semi);
                if (comment.find(';') != std::string::npos)
                    Fail(i, line, "two comments in a block");
            }
            std::vector<std::string> w = Words(body);
            if (w.empty()) Fail(i, line, "an empty block");
            if (i == 0) {
                if (w.size() != 4 || w[0] != "BEGIN" || w[1] != "PGM" || w[3] != "MM" ||
                    !std::regex_match(w[2], kName))
                    Fail(i, line, "the program must start with BEGIN PGM name MM");
                name = w[2];
                continue;
            }
            if (w[0] == "BEGIN") Fail(i, line, "BEGIN PGM inside the program");
            if (w[0] == "END") {
                if (w.size() != 4 || w[1] != "PGM" || w[2] != name || w[3] != "MM")
                    Fail(i, line, "END PGM must repeat the name and unit of BEGIN PGM");
                ended = true;
                continue;
            }
            if (w[0] == "TOOL") {
                if (w.size() != 5 || w[1] != "CALL" || !std::regex_match(w[2], kUnsigned) ||
                    w[3] != "Z" || w[4][0] != 'S' || !std::regex_match(w[4].substr(1), kUnsigned))
                    Fail(i, line, "TOOL CALL n Z Sspeed");
                toolCalled_ = true;
                continue;
            }
            if (w[0] == "CYCL" && w.size() == 4 && w[1] == "DEF" && w[2] == "200" &&
                w[3] == "DRILLING") {
                cycleDefined_ = true;
                cycleParams_ = 0;
                continue;
            }
            if (w[0] == "CYCL" && w.size() == 2 && w[1] == "CALL") {
                if (!cycleDefined_) Fail(i, line, "CYCL CALL without a cycle");
                Drill(i, line, r);
                continue;
            }
            if (w[0] == "L" || w[0] == "CC" || w[0] == "C") {
                Path(i, line, w, r);
                continue;
            }
            Fail(i, line, "not a block of this dialect");
        }
        if (!ended) throw Refusal{"no END PGM"};
        if (cycleDefined_ && cycleParams_ < 8) throw Refusal{"cycle 200 is incomplete"};
    }

  private:
    void Parameter(std::size_t i, const std::string& line) {
        std::smatch m;
        if (!cycleDefined_ || cycleParams_ >= 8 || !std::regex_match(line, m, kQParam) ||
            m[1] != kCycle200[cycleParams_])
            Fail(i, line, "not the next parameter of cycle 200");
        q_[m[1]] = std::stod(m[2]);
        ++cycleParams_;
        if (cycleParams_ == 8) {
            if (!(q_["Q201"] < 0)) Fail(i, line, "the depth Q201 must be negative");
            if (!(q_["Q202"] > 0)) Fail(i, line, "the plunging depth Q202 must be positive");
            if (!(q_["Q206"] > 0)) Fail(i, line, "the plunging feed Q206 must be positive");
            if (!(q_["Q200"] > 0)) Fail(i, line, "the set-up clearance Q200 must be positive");
        }
    }

    void Drill(std::size_t i, const std::string& line, Interpretation& r) {
        if (!spindle_) Fail(i, line, "drilling without the spindle on");
        const double top = q_["Q203"] + q_["Q200"], bottom = q_["Q203"] + q_["Q201"];
        if (z_ < top - 1e-9) Fail(i, line, "CYCL CALL below the set-up clearance");
        Move(r, CanonMove::Traverse, x_, y_, top);
        Move(r, CanonMove::Feed, x_, y_, bottom, q_["Q206"]);
        Move(r, CanonMove::Traverse, x_, y_, top);
    }

    void Move(Interpretation& r, CanonMove::Kind kind, double x, double y, double z,
              double feed = 0) {
        CanonMove m;
        m.kind = kind;
        m.sx = x_;
        m.sy = y_;
        m.sz = z_;
        m.x = x;
        m.y = y;
        m.z = z;
        m.feed = feed;
        r.moves.push_back(m);
        x_ = x;
        y_ = y;
        z_ = z;
    }

    void Path(std::size_t i, const std::string& line, const std::vector<std::string>& w,
              Interpretation& r) {
        if (!toolCalled_) Fail(i, line, "a move before TOOL CALL");
        double x = x_, y = y_, z = z_;
        bool coord = false, fmax = false, feed = false, dr = false, ccw = false, m = false;
        for (std::size_t k = 1; k < w.size(); ++k) {
            const std::string& t = w[k];
            auto number = [&](std::size_t from) {
                if (!std::regex_match(t.substr(from), kSigned))
                    Fail(i, line, "\"" + t + "\": coordinates are written with their sign");
                return std::stod(t.substr(from));
            };
            if (t == "X" || t == "Y") Fail(i, line, "a coordinate without a value");
            if (t[0] == 'X')
                x = number(1), coord = true;
            else if (t[0] == 'Y')
                y = number(1), coord = true;
            else if (t[0] == 'Z' && w[0] == "L")
                z = number(1), coord = true;
            else if (t.rfind("IX", 0) == 0)
                x += number(2), coord = true;
            else if (t.rfind("IY", 0) == 0)
                y += number(2), coord = true;
            else if (t.rfind("IZ", 0) == 0 && w[0] == "L")
                z += number(2), coord = true;
            else if ((t == "R0" || t == "RL" || t == "RR") && w[0] != "CC") {
                // Radius compensation: the programmed contour is read as written.
            } else if (t == "FMAX" && w[0] == "L")
                fmax = true;
            else if (t[0] == 'F' && w[0] != "CC" && std::regex_match(t.substr(1), kUnsigned)) {
                feed_ = std::stod(t.substr(1));
                feed = true;
            } else if ((t == "DR+" || t == "DR-") && w[0] == "C") {
                dr = true;
                ccw = t == "DR+";
            } else if (t[0] == 'M' && w[0] != "CC" && std::regex_match(t.substr(1), kUnsigned)) {
                m = true;
                const int code = std::stoi(t.substr(1));
                if (code == 3 || code == 4) spindle_ = true;
                if (code == 5) spindle_ = false;
            } else {
                Fail(i, line, "\"" + t + "\" does not belong in a " + w[0] + " block");
            }
        }
        (void)feed;
        if (w[0] == "CC") {
            if (w.size() != 3) Fail(i, line, "CC takes the two coordinates of the plane");
            ccX_ = x;
            ccY_ = y;
            ccDefined_ = true;
            return;
        }
        if (w[0] == "C") {
            if (!ccDefined_) Fail(i, line, "C before any CC");
            if (!dr) Fail(i, line, "C without DR+ or DR-");
            if (!spindle_) Fail(i, line, "cutting without the spindle on");
            if (!(feed_ > 0)) Fail(i, line, "cutting without a feed");
            CanonMove a;
            a.kind = CanonMove::Arc;
            a.sx = x_;
            a.sy = y_;
            a.sz = a.z = z_;
            a.x = x;
            a.y = y;
            a.cx = ccX_;
            a.cy = ccY_;
            a.rotation = ccw ? 1 : -1;
            a.feed = feed_;
            r.moves.push_back(a);
            x_ = x;
            y_ = y;
            return;
        }
        if (!coord && !m) Fail(i, line, "an L block without a coordinate or M function");
        if (!coord) return;
        if (!fmax && !(feed_ > 0)) Fail(i, line, "a feed move without a feed");
        if (!fmax && !spindle_) Fail(i, line, "cutting without the spindle on");
        Move(r, fmax ? CanonMove::Traverse : CanonMove::Feed, x, y, z, fmax ? 0 : feed_);
    }

    double x_ = 0, y_ = 0, z_ = 0, feed_ = 0, ccX_ = 0, ccY_ = 0;
    bool toolCalled_ = false, spindle_ = false, ccDefined_ = false, cycleDefined_ = false;
    int cycleParams_ = 8;
    std::map<std::string, double> q_;
};

// ---- ISO lathe -------------------------------------------------------------------------------

const std::regex kLatheNumber(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+))");

class Lathe {
  public:
    void Run(const std::vector<std::string>& lines, Interpretation& r) {
        if (lines.size() < 3 || lines.front() != "%" || lines.back() != "%")
            throw Refusal{"the program must stand between two % lines"};
        static const std::regex oLine(R"(O[0-9]{4}( \([^()]*\))?)");
        if (!std::regex_match(lines[1], oLine)) Fail(1, lines[1], "not an O number of four digits");
        long lastN = -1;
        bool ended = false;
        for (std::size_t i = 2; i + 1 < lines.size(); ++i) {
            std::string line = lines[i];
            if (ended) Fail(i, line, "blocks after M30");
            if (std::size_t open = line.find('('); open != std::string::npos) {
                const std::size_t close = line.find(')', open);
                if (close != line.size() - 1 || line.find('(', open + 1) != std::string::npos)
                    Fail(i, line, "a comment must close at the end of its block, unnested");
                line = line.substr(0, open);
            }
            std::vector<std::string> w = Words(line);
            if (w.empty()) Fail(i, lines[i], "an empty block");
            if (w[0][0] == 'N') {
                static const std::regex n(R"(N[0-9]{1,5})");
                if (!std::regex_match(w[0], n)) Fail(i, lines[i], "block numbers are N1 to N99999");
                const long number = std::stol(w[0].substr(1));
                if (lastN >= 0 && number <= lastN && number != 10)
                    Fail(i, lines[i], "block numbers must increase (or start again)");
                lastN = number;
                w.erase(w.begin());
            }
            Block(i, lines[i], w, r, ended);
        }
        if (!ended) throw Refusal{"no M30 at the end"};
    }

  private:
    void Block(std::size_t i, const std::string& line, const std::vector<std::string>& w,
               Interpretation& r, bool& ended) {
        std::map<char, double> v;
        std::vector<int> g;
        int mCount = 0;
        for (const std::string& t : w) {
            const char a = t[0];
            const std::string num = t.substr(1);
            if (a == 'G') {
                static const std::regex code(R"([0-9]{1,2})");
                if (!std::regex_match(num, code)) Fail(i, line, "\"" + t + "\" is no G code");
                g.push_back(std::stoi(num));
                continue;
            }
            if (a == 'T') {
                static const std::regex tool(R"([0-9]{4})");
                if (!std::regex_match(num, tool)) Fail(i, line, "T takes tool and offset: T0101");
                if (num.substr(0, 2) == "00") Fail(i, line, "tool 0");
                toolSet_ = true;
                continue;
            }
            if (a == 'M') {
                const int code = std::stoi(num);
                ++mCount;
                if (code == 3 || code == 4) spindle_ = true;
                if (code == 5) spindle_ = false;
                if (code == 30) ended = true;
                continue;
            }
            if (std::string("XZUWIKFS").find(a) == std::string::npos ||
                !std::regex_match(num, kLatheNumber))
                Fail(i, line, "\"" + t + "\" is not a word of this lathe");
            if (v.count(a)) Fail(i, line, std::string("two ") + a + " words");
            v[a] = std::stod(num);
        }
        if (mCount > 1) Fail(i, line, "one M function per block");
        for (int code : g) {
            if (code == 90 || code == 91) Fail(i, line, "G90/G91: this lathe uses U and W");
            if (code == 17 || code == 19) Fail(i, line, "the turning plane is G18");
            if (code == 18) plane_ = true;
            if (code == 21) metric_ = true;
            if (code == 97) constantSpeed_ = true;
            if (code == 98 || code == 99) feedMode_ = true;
            if (code <= 3) motion_ = code;
        }
        if (v.count('S') && !constantSpeed_) Fail(i, line, "S without G97");
        if (v.count('F')) feed_ = v['F'];
        if ((v.count('X') && v.count('U')) || (v.count('Z') && v.count('W')))
            Fail(i, line, "an axis both absolute and incremental");
        const bool moves = v.count('X') || v.count('Z') || v.count('U') || v.count('W');
        if ((v.count('I') || v.count('K')) && !(motion_ == 2 || motion_ == 3))
            Fail(i, line, "I or K without G2 or G3");
        if (!moves) return;
        if (!plane_ || !metric_) Fail(i, line, "a move before G18 and G21");
        if (!toolSet_) Fail(i, line, "a move before the tool is chosen");
        if (motion_ < 0) Fail(i, line, "a move without a G code");
        // Drawing coordinates: Z to the right, the radius (half the diameter X) upwards.
        double x = x_, y = y_;
        if (v.count('Z')) x = v['Z'];
        if (v.count('W')) x += v['W'];
        if (v.count('X')) y = v['X'] / 2;
        if (v.count('U')) y += v['U'] / 2;
        CanonMove m;
        m.sx = x_;
        m.sy = y_;
        m.x = x;
        m.y = y;
        m.feed = feed_;
        if (motion_ >= 1) {
            if (!spindle_) Fail(i, line, "cutting without the spindle on");
            if (!feedMode_) Fail(i, line, "cutting before G98 or G99");
            if (!(feed_ > 0)) Fail(i, line, "cutting without a feed");
        }
        if (motion_ >= 2) {
            if (!v.count('I') || !v.count('K')) Fail(i, line, "an arc needs I and K");
            m.kind = CanonMove::Arc;
            m.cx = x_ + v['K'];
            m.cy = y_ + v['I'];
            m.rotation = motion_ == 3 ? 1 : -1;
        } else {
            m.kind = motion_ == 0 ? CanonMove::Traverse : CanonMove::Feed;
        }
        r.moves.push_back(m);
        x_ = x;
        y_ = y;
    }

    double x_ = 0, y_ = 0, feed_ = 0;
    int motion_ = -1;
    bool plane_ = false, metric_ = false, toolSet_ = false, spindle_ = false,
         constantSpeed_ = false, feedMode_ = false;
};

// Runs a reader over the program: its moves, or the first rule the program breaks.
template <typename Reader>
Interpretation Read(const std::string& program) {
    Interpretation r;
    try {
        Reader().Run(Lines(program), r);
        r.ok = true;
    } catch (const Refusal& f) {
        r.error = f.why;
    }
    return r;
}

}  // namespace

Interpretation ReadHeidenhain(const std::string& program) {
    return Read<Heidenhain>(program);
}

Interpretation ReadLathe(const std::string& program) {
    return Read<Lathe>(program);
}

}  // namespace vt::test
