// Running rs274 and comparing its canonical moves with the drawn tool path.
#include "interpreter.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "test_util.h"

namespace vt::test {

namespace {

std::vector<double> Args(const std::string& line, std::size_t open) {
    std::vector<double> out;
    std::string inside = line.substr(open + 1, line.rfind(')') - open - 1);
    std::stringstream s(inside);
    for (std::string item; std::getline(s, item, ',');)
        out.push_back(std::strtod(item.c_str(), nullptr));
    return out;
}

double Sweep(double sx, double sy, double ex, double ey, double cx, double cy, bool ccw,
             double tol) {
    if (std::hypot(ex - sx, ey - sy) <= tol) return 2 * M_PI;
    const double a1 = std::atan2(sy - cy, sx - cx), a2 = std::atan2(ey - cy, ex - cx);
    double s = ccw ? a2 - a1 : a1 - a2;
    while (s <= 0)
        s += 2 * M_PI;
    return s;
}

double Round(double v, double unit) {
    return std::nearbyint(v / unit) * unit;
}

struct Expected {
    CanonMove::Kind kind;
    double sx, sy, x, y, cx = 0, cy = 0, r = 0;
    bool ccw = false, full = false;
    std::string label;
};

std::string Where(const Expected& e) {
    std::ostringstream s;
    s << e.label << " to (" << e.x << ", " << e.y << ")";
    return s.str();
}

// Rapids in the plane at safe height, cuts at the depth with a feed.
std::string Heights(const CanonMove& m, const PathCheck& check) {
    const double eps = 1e-6;
    std::ostringstream why;
    if (m.kind == CanonMove::Traverse) {
        if (m.z < check.safeZ - eps) why << "a rapid in the plane at Z" << m.z;
    } else if (std::fabs(m.z + check.depth) > eps || std::fabs(m.sz + check.depth) > eps) {
        why << "cut from Z" << m.sz << " to Z" << m.z << ", not at the depth";
    } else if (!(m.feed > 0)) {
        why << "cut without a feed";
    }
    return why.str();
}

}  // namespace

bool HaveRs274() {
    return std::system("command -v rs274 >/dev/null 2>&1") == 0;
}

Interpretation RunRs274(const std::string& program) {
    TempDir dir;
    WriteFile(dir.File("p.ngc"), program);
    // The machine's tool table: tools 1 to 99 with their lengths and a diameter of 6 mm. The
    // stand-alone interpreter reads the table in inches. rs274 shares the table through a file in
    // $HOME: a home of its own keeps parallel runs apart.
    std::string tools;
    for (int t = 1; t <= 99; ++t)
        tools += "T" + std::to_string(t) + " P" + std::to_string(t) + " Z" +
                 std::to_string(40 + t) + " D0.236220472440945 ;\n";
    WriteFile(dir.File("tools.tbl"), tools);
    const std::string cmd = "cd '" + dir.Path() + "' && HOME='" + dir.Path() +
                            "' rs274 -t tools.tbl -g p.ngc >out.txt 2>err.txt";
    const int status = std::system(cmd.c_str());
    Interpretation r;
    std::string err = ReadFile(dir.File("err.txt"));
    if (err.rfind("executing\n", 0) == 0) err.erase(0, 10);
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && err.empty();
    r.error = err.empty() && !r.ok ? "rs274 exit status " + std::to_string(status) : err;
    std::stringstream out(ReadFile(dir.File("out.txt")));
    double x = 0, y = 0, z = 0, feed = 0;
    for (std::string line; std::getline(out, line);) {
        // "   12 N..... NAME(args)": the block number field is N and five characters.
        const std::size_t name = line.find(" N");
        const std::size_t open = line.find('(');
        if (name == std::string::npos || open == std::string::npos) continue;
        if (open < name + 8) continue;
        const std::string call = line.substr(name + 8, open - name - 8);
        r.calls.push_back(line.substr(name + 8));
        if (call == "SET_FEED_RATE") {
            feed = Args(line, open).at(0);
        } else if (call == "MESSAGE" || call == "LOG" || call == "PRINT") {
            r.messages.push_back(line.substr(name + 8));
        } else if (call == "STRAIGHT_TRAVERSE" || call == "STRAIGHT_FEED" || call == "ARC_FEED") {
            std::vector<double> a = Args(line, open);
            CanonMove m;
            m.sx = x;
            m.sy = y;
            m.sz = z;
            m.feed = feed;
            if (call == "ARC_FEED") {
                m.kind = CanonMove::Arc;
                m.x = a.at(0);
                m.y = a.at(1);
                m.cx = a.at(2);
                m.cy = a.at(3);
                m.rotation = static_cast<int>(a.at(4));
                m.z = a.at(5);
            } else {
                m.kind = call == "STRAIGHT_FEED" ? CanonMove::Feed : CanonMove::Traverse;
                m.x = a.at(0);
                m.y = a.at(1);
                m.z = a.at(2);
            }
            x = m.x;
            y = m.y;
            z = m.z;
            r.moves.push_back(m);
        }
    }
    return r;
}

// The interpreter's cutting moves as contour elements.
std::vector<ChainElement> CuttingMoves(const Interpretation& run, double depth) {
    std::vector<ChainElement> out;
    for (const CanonMove& m : run.moves) {
        if (m.kind == CanonMove::Traverse || std::fabs(m.z + depth) > 1e-6 ||
            std::fabs(m.sz + depth) > 1e-6)
            continue;
        ChainElement e;
        e.x1 = m.sx, e.y1 = m.sy, e.x2 = m.x, e.y2 = m.y;
        if (m.kind == CanonMove::Arc) {
            e.arc = true;
            e.cx = m.cx, e.cy = m.cy, e.ccw = m.rotation > 0;
            e.r = std::hypot(m.sx - m.cx, m.sy - m.cy);
        }
        out.push_back(e);
    }
    return out;
}

std::string ComparePath(const ToolPath& path, const Interpretation& run, const PathCheck& check) {
    if (!run.ok) return "the interpreter refused the program: " + run.error;
    const double u = check.unit, eps = 1e-6;
    // The drawn moves that move the machine in the plane.
    std::vector<Expected> expected;
    std::vector<std::pair<double, double>> points;
    double px = 0, py = 0;
    for (int i = 1; i <= path.Count; ++i) {
        const ToolPathOp& o = path.Op(i);
        const int kind = BaseKind(o.Typ);
        if (kind == kManualLine) continue;
        Expected e{kind == kG0 || kind == kNcPoint ? CanonMove::Traverse
                   : kind == kG1                   ? CanonMove::Feed
                                                   : CanonMove::Arc,
                   px,
                   py,
                   o.X,
                   o.Y,
                   0,
                   0,
                   0,
                   false,
                   false,
                   o.Label};
        const double uy = check.unitY > 0 ? check.unitY : u;
        const bool moves = Round(o.X, u) != Round(px, u) || Round(o.Y, uy) != Round(py, uy);
        if (kind == kNcPoint) points.emplace_back(o.X, o.Y);
        if (e.kind == CanonMove::Arc) {
            e.cx = o.CX;
            e.cy = o.CY;
            e.r = o.R;
            e.ccw = kind == kG3;
            e.full = std::hypot(o.X - px, o.Y - py) <= 1e-9 * std::max(1.0, o.R);
            if (moves || e.full) expected.push_back(e);
        } else if (moves) {
            expected.push_back(e);
        }
        px = o.X;
        py = o.Y;
    }
    std::vector<CanonMove> moves;
    for (const CanonMove& m : run.moves)
        if (m.kind == CanonMove::Arc || std::hypot(m.x - m.sx, m.y - m.sy) > eps)
            moves.push_back(m);
    std::ostringstream why;
    if (moves.size() != expected.size()) {
        why << expected.size() << " moves drawn in the plane, " << moves.size() << " interpreted";
        return why.str();
    }
    for (std::size_t k = 0; k < moves.size(); ++k) {
        const CanonMove& m = moves[k];
        const Expected& e = expected[k];
        if (m.kind != e.kind) {
            why << Where(e) << ": interpreted as move kind " << m.kind << ", drawn " << e.kind;
            return why.str();
        }
        if (std::fabs(m.x - e.x) > u + eps || std::fabs(m.y - e.y) > u + eps) {
            why << Where(e) << ": interpreted end (" << m.x << ", " << m.y << ")";
            return why.str();
        }
        if (check.heights) {
            if (std::string h = Heights(m, check); !h.empty()) return Where(e) + ": " + h;
        } else if (m.kind != CanonMove::Traverse && !(m.feed > 0)) {
            return Where(e) + ": cut without a feed";
        }
        if (m.kind != CanonMove::Arc) continue;
        if ((m.rotation > 0) != e.ccw) {
            why << Where(e) << ": turns the other way";
            return why.str();
        }
        const double rs = std::hypot(m.sx - m.cx, m.sy - m.cy),
                     re = std::hypot(m.x - m.cx, m.y - m.cy);
        if (std::fabs(rs - re) > u + eps) {
            why << Where(e) << ": radius " << rs << " at the start, " << re << " at the end";
            return why.str();
        }
        // Short arcs: rounding the ends turns their bisector, so the centre moves further.
        const double chord = std::hypot(e.x - e.sx, e.y - e.sy);
        const double centreTol = 4 * u * std::max(1.0, e.full ? 1.0 : 2 * e.r / std::max(chord, u));
        if (std::hypot(m.cx - e.cx, m.cy - e.cy) > centreTol + eps) {
            why << Where(e) << ": centre (" << m.cx << ", " << m.cy << "), drawn (" << e.cx << ", "
                << e.cy << ")";
            return why.str();
        }
        const double drawn = e.full ? 2 * M_PI : Sweep(e.sx, e.sy, e.x, e.y, e.cx, e.cy, e.ccw, 0);
        const double got = Sweep(m.sx, m.sy, m.x, m.y, m.cx, m.cy, m.rotation > 0, eps);
        if (std::fabs(got - drawn) > 8 * u / std::max(e.r, u) + 1e-6) {
            why << Where(e) << ": sweeps " << got << " rad, drawn " << drawn;
            return why.str();
        }
        // The interpreted arc lies on the drawn circle.
        const double a0 = std::atan2(m.sy - m.cy, m.sx - m.cx);
        for (int k = 0; k <= 16; ++k) {
            const double a = a0 + (m.rotation > 0 ? 1 : -1) * got * k / 16;
            const double qx = m.cx + rs * std::cos(a), qy = m.cy + rs * std::sin(a);
            const double off = std::fabs(std::hypot(qx - e.cx, qy - e.cy) - e.r);
            if (off > 3 * u + eps) {
                why << Where(e) << ": the interpreted arc passes " << off
                    << " from the drawn circle (radius " << e.r << ", chord " << chord << ", sweep "
                    << drawn << "; interpreted centre " << m.cx << ", " << m.cy << ", drawn "
                    << e.cx << ", " << e.cy << ")";
                return why.str();
            }
        }
    }
    // Every NC point drilled to depth straight down.
    for (const auto& [x, y] : check.heights ? points : decltype(points){}) {
        bool drilled = false;
        for (const CanonMove& m : run.moves)
            drilled = drilled || (m.kind == CanonMove::Feed && std::fabs(m.x - x) <= u + eps &&
                                  std::fabs(m.y - y) <= u + eps && m.x == m.sx && m.y == m.sy &&
                                  std::fabs(m.z + check.depth) <= eps && m.feed > 0);
        if (!drilled) {
            why << "the NC point (" << x << ", " << y << ") is not drilled to the depth";
            return why.str();
        }
    }
    return "";
}

}  // namespace vt::test
