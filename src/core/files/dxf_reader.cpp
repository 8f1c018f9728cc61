// The DXF reader: group-code/value pairs read section by section; entities become drawing objects
// through the plane transform of the block they are placed with.
#include "files/dxf_reader.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "app/error_report.h"
#include "app/program.h"
#include "base/numbers.h"
#include "base/text_file.h"
#include "base/version.h"
#include "commands/drawing_edit.h"
#include "commands/read_failure.h"
#include "files/dxf_geometry.h"
#include "files/fields.h"
#include "geometry/primitives.h"

namespace vt {

namespace {

using dxf::Pt;
using dxf::Xform;

constexpr double kPi = 3.14159265358979323846;
// The largest distance of a chord from the curve it stands for, in millimetres; coarser ones are
// tried when a file would need more objects than a drawing holds.
constexpr double kChordTolerancesMm[] = {0.01, 0.1, 1.0};
constexpr int kMaxNesting = 16;

// Millimetres per drawing unit of the $INSUNITS codes (0: unitless, and unknown codes: none).
double MillimetresPerUnit(int code) {
    static const double kUnits[] = {
        0,           25.4,   304.8,   1609344.0,      1,
        10,          1000,   1000000, 25.4e-6,        0.0254,
        914.4,       1e-7,   1e-6,    1e-3,           100,
        10000,       100000, 1e12,    1.495978707e14, 9.4607304725808e18,
        3.0856776e19};
    return code > 0 && code < static_cast<int>(std::size(kUnits)) ? kUnits[code] : 0;
}

struct Group {
    int code = 0;
    std::string value;
};

struct Entity {
    std::string name;  // upper case
    std::size_t line = 0;
    std::vector<Group> groups;

    bool Has(int code) const {
        for (const Group& g : groups)
            if (g.code == code) return true;
        return false;
    }
    double Num(int code, double def) const {
        for (const Group& g : groups)
            if (g.code == code) return FieldNumber(g.value);
        return def;
    }
    std::string Text(int code) const {
        for (const Group& g : groups)
            if (g.code == code) return g.value;
        return {};
    }
};

// Text values (names, strings) keep their blanks; numbers and names of entities do not.
bool IsTextCode(int code) {
    return (code >= 1 && code <= 9) || code == 100 || code == 102 || code == 999 ||
           (code >= 300 && code <= 369) || (code >= 390 && code <= 399) ||
           (code >= 410 && code <= 419) || (code >= 430 && code <= 439) ||
           (code >= 470 && code <= 481) || (code >= 1000 && code <= 1009);
}

// The file's lines read as code/value pairs.
class PairReader {
  public:
    // Reads the lines of `text` (which must outlive the reader) one at a time: a large file is
    // never held twice.
    explicit PairReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t Line() const { return line_; }  // 1-based number of the line read last
    // The next line (LF, CR LF or CR ended), decoded; valid until the next call.
    const std::string& NextLine() {
        if (AtEnd()) throw VtError(kErrInputPastEnd);
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        current_ = DecodeLine(text_.substr(pos_, end - pos_));
        if (end < text_.size() && text_[end] == '\r' && end + 1 < text_.size() &&
            text_[end + 1] == '\n')
            ++end;
        pos_ = end + 1;
        ++line_;
        return current_;
    }
    int Code() {
        std::string_view t = Trim(NextLine(), " \t");
        double v = FieldNumber(t);
        if (t.empty() || v != std::floor(v) || std::fabs(v) > 1e6) throw VtError(kErrTypeMismatch);
        return static_cast<int>(v);
    }
    std::string Value(int code) {
        const std::string& v = NextLine();
        return IsTextCode(code) && code != 0 ? v : std::string(Trim(v, " \t"));
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0, line_ = 0;
    std::string current_;
};

// Where entities come from: the ENTITIES section as it is read, or a block's stored entities.
class EntitySource {
  public:
    virtual ~EntitySource() = default;
    // The next entity, valid until the next call; null at the end.
    virtual const Entity* Next() = 0;
    // The name of the entity Next would give; empty at the end.
    virtual std::string_view PeekName() const = 0;
};

// The parser a kind's groups are read by, for the error report.
const char* RoutineOf(const std::string& name) {
    static const std::map<std::string, const char*> routines = {
        {"POINT", "GetVertex()"},      {"VERTEX", "GetVertex()"},
        {"LINE", "GetLine()"},         {"ARC", "GetCirle()"},
        {"CIRCLE", "GetCirle()"},      {"ELLIPSE", "GetEllipse()"},
        {"POLYLINE", "GetPolyLine()"}, {"LWPOLYLINE", "GetLwPolyLine()"},
        {"SPLINE", "GetSpline()"},     {"INSERT", "GetInsert()"},
        {"BLOCK", "GetBlock()"},
    };
    auto it = routines.find(name);
    return it == routines.end() ? "GetEntity()" : it->second;
}

std::string EntityName(const std::string& value) {
    return ToUpperAscii(Trim(value, " \t"));
}

// Reads one entity's groups up to the next code 0, whose value names the entity after it.
class FileSource : public EntitySource {
  public:
    FileSource(Program& p, PairReader& r, std::string first, std::size_t line)
        : p_(p), r_(r), pending_(EntityName(first)), line_(line), has_(true) {}
    const Entity* Next() override {
        if (!has_) return nullptr;
        Entity& e = current_;
        e.name = pending_;
        e.line = line_;
        e.groups.clear();
        has_ = false;
        p_.errorTrail.Push(RoutineOf(e.name));
        if (e.name == "EOF" || e.name == "ENDSEC") return &e;
        while (!r_.AtEnd()) {
            int code = r_.Code();
            if (code == 0) {
                pending_ = EntityName(r_.NextLine());
                line_ = r_.Line();
                has_ = true;
                return &e;
            }
            e.groups.push_back({code, r_.Value(code)});
        }
        return &e;
    }
    std::string_view PeekName() const override {
        return has_ ? std::string_view(pending_) : std::string_view();
    }

  private:
    Program& p_;
    PairReader& r_;
    std::string pending_;
    std::size_t line_;
    bool has_;
    Entity current_;
};

class BlockSource : public EntitySource {
  public:
    explicit BlockSource(const std::vector<Entity>& entities) : entities_(entities) {}
    // Block entities are placed as they are stored, not copied for each placement.
    const Entity* Next() override { return at_ < entities_.size() ? &entities_[at_++] : nullptr; }
    std::string_view PeekName() const override {
        return at_ < entities_.size() ? std::string_view(entities_[at_].name) : std::string_view();
    }

  private:
    const std::vector<Entity>& entities_;
    std::size_t at_ = 0;
};

struct Block {
    Pt base;
    std::vector<Entity> entities;
};

// A drawing object the import will add once the whole file fits the drawing.
struct Pending {
    enum Kind { Point, Line, Arc, Ellipse } kind;
    double v[5];
};

// Everything one import needs: the program, the blocks, the objects it found, the counters and
// the log. Nothing enters the drawing until Commit: a file that does not fit, or fails, changes
// nothing.
class Importer {
  public:
    // `tolerance`: the chord tolerance in drawing units.
    Importer(Program& p, double tolerance) : p_(p), tolerance_(tolerance) {}

    int importCount = 0, unknownCount = 0;
    std::size_t objects = 0;  // the drawing objects the pending ones make
    std::string log;
    std::map<std::string, Block> blocks;

    // Adds the objects to the drawing (the caller has made sure they fit).
    void Commit() {
        bool circleRefused = false;
        for (Pending& o : pending_) {
            switch (o.kind) {
                case Pending::Point:
                    AddRitPoint(p_, o.v[0], o.v[1], false, true, false);
                    break;
                case Pending::Line:
                    AddLine(p_, o.v[0], o.v[1], o.v[2], o.v[3], false, true, false);
                    break;
                case Pending::Arc: {
                    const bool fits = std::fabs(o.v[4]) <= kCoordLimit &&
                                      std::fabs(o.v[0]) <= kCoordLimit &&
                                      std::fabs(o.v[1]) <= kCoordLimit;
                    // One message for the file, not one for each circle it cannot hold.
                    if (!fits && circleRefused) break;
                    if (!AddArc(p_, o.v[0], o.v[1], o.v[2], o.v[3], o.v[4], false, true, false))
                        circleRefused = true;
                    break;
                }
                case Pending::Ellipse:
                    AddEllipse(p_, o.v[0], o.v[1], o.v[2], o.v[3], o.v[4], false, true, false);
                    break;
            }
        }
    }

    // Imports entities until the source ends, ENDSEC, or EOF (true when EOF was met).
    bool Entities(EntitySource& src, const Xform& t, int depth,
                  std::vector<std::string>& inserting) {
        while (const Entity* next = src.Next()) {
            const Entity& e = *next;
            entity_ = &e;
            if (depth > 0 && !Spend(e)) return false;
            if (e.name == "EOF") return true;
            if (e.name == "ENDSEC") return false;
            const bool paper = e.Num(67, 0) == 1;
            if (e.name == "POLYLINE") {
                Polyline(src, e, t, paper);
            } else if (paper) {
                Note(e, "pappersrymd");
            } else if (e.name == "ATTRIB" || e.name == "ATTDEF" || e.name == "SEQEND") {
                // The texts of a block and the end of its list: nothing to draw, nothing to list.
            } else if (e.name == "INSERT") {
                Insert(e, t, depth, inserting);
            } else {
                Simple(e, t);
            }
        }
        return false;
    }

  private:
    // A whole number from a group value, kept within [low, high] (flags, degrees, counts).
    static int Whole(double v, int low = INT_MIN, int high = INT_MAX) {
        return static_cast<int>(std::clamp(v, static_cast<double>(low), static_cast<double>(high)));
    }

    // Block expansion is bounded: nested arrays of blocks can multiply to more placements than
    // any drawing holds, and a file must not keep the program busy for hours.
    bool Spend(const Entity& e) {
        if (budget_ > 0) {
            --budget_;
            return true;
        }
        if (!budgetNoted_) Note(e, "för många blockplaceringar, resten hoppas över");
        budgetNoted_ = true;
        return false;
    }

    // Each line once: a block placed a thousand times has the same thing to say each time.
    void Note(const Entity& e, const std::string& what) {
        std::string line = e.name + "(" + std::to_string(e.line) + ")" +
                           (what.empty() ? "" : ": " + what) + "\r\n";
        if (noted_.insert(line).second) log += line;
    }
    void Approximated(const Entity& e, std::size_t segments) {
        Note(e, std::to_string(segments) + " linjer");
    }

    // The entity's own plane (extrusion 210/220/230) at its height.
    static Xform Ocs(const Entity& e, double z) {
        if (!e.Has(210) && !e.Has(220) && !e.Has(230)) return {};
        return dxf::OcsToWorld(e.Num(210, 0), e.Num(220, 0), e.Num(230, 1), z);
    }

    // Keeps an object for the drawing when its numbers are finite and (for points and lines)
    // within the coordinate limit; circles beyond it meet AddArc's own check. Else it is listed.
    bool Keep(Pending::Kind kind, std::initializer_list<double> values, std::size_t count = 1) {
        Pending o{kind, {0, 0, 0, 0, 0}};
        if (kind == Pending::Arc) {
            // A circle no drawing can hold meets AddArc's refusal once; it adds nothing.
            const double* v = values.begin();
            if (std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[4]) &&
                (std::fabs(v[0]) > kCoordLimit || std::fabs(v[1]) > kCoordLimit ||
                 std::fabs(v[4]) > kCoordLimit)) {
                if (farCircle_) return false;
                farCircle_ = true;
                count = 0;
            }
        }
        std::size_t i = 0;
        for (double v : values) {
            const bool far = kind != Pending::Arc && std::fabs(v) > kCoordLimit;
            if (!std::isfinite(v) || far) {
                if (entity_)
                    Note(*entity_, std::isfinite(v) ? "utanför koordinatgränsen, hoppas över"
                                                    : "ogiltiga tal, hoppas över");
                return false;
            }
            o.v[i++] = v;
        }
        pending_.push_back(o);
        objects += count;
        return true;
    }

    void Line(Pt a, Pt b, const Xform& t) {
        a = t(a);
        b = t(b);
        Keep(Pending::Line, {a.x, a.y, b.x, b.y});
    }

    // A point chain; true when at least one line was added.
    std::size_t Chain(const std::vector<Pt>& pts, const Xform& t) {
        for (std::size_t i = 1; i < pts.size(); ++i)
            Line(pts[i - 1], pts[i], t);
        return pts.size() > 1 ? pts.size() - 1 : 0;
    }

    // A circle or arc through the transform: a circle object when the transform keeps it round,
    // else lines. Returns the number of lines it took (0 for a circle object).
    std::size_t Circle(dxf::Arc arc, const Xform& t, bool& added) {
        double scale = 1;
        added = false;
        if (t.Similarity(scale)) {
            dxf::Arc m = dxf::MapArc(arc, t, scale);
            added = Keep(Pending::Arc, {m.centre.x, m.centre.y, m.a1, m.a2, std::fabs(m.r)});
            return 0;
        }
        double a1 = arc.a1, a2 = arc.a2;
        if (a1 == 0 && a2 == 0) a2 = 2 * kPi;
        if (a2 <= a1) a2 += 2 * kPi;
        added = true;
        return Chain(dxf::EllipsePoints(arc.centre, {arc.r, 0}, {0, arc.r}, a1, a2, Step(arc.r, t)),
                     t);
    }

    void Simple(const Entity& e, const Xform& t) {
        const std::string& n = e.name;
        if (n == "POINT" || n == "VERTEX") {
            Pt q = t({e.Num(10, 0), e.Num(20, 0)});
            if (Keep(Pending::Point, {q.x, q.y})) ++importCount;
        } else if (n == "LINE") {
            if (!e.Has(10) || !e.Has(20) || !e.Has(11) || !e.Has(21)) return;
            Line({e.Num(10, 0), e.Num(20, 0)}, {e.Num(11, 0), e.Num(21, 0)}, t);
            ++importCount;
        } else if (n == "ARC" || n == "CIRCLE") {
            if (!e.Has(10) || !e.Has(20) || !e.Has(40)) return;
            dxf::Arc arc{{e.Num(10, 0), e.Num(20, 0)}, e.Num(40, 0), 0, 0};
            if (n == "ARC") {
                arc.a1 = e.Num(50, 0) * 3.14159265358979 / 180;
                arc.a2 = e.Num(51, 0) * 3.14159265358979 / 180;
            }
            bool added = false;
            const std::size_t lines = Circle(arc, t.After(Ocs(e, e.Num(30, 0))), added);
            if (added) ++importCount;
            if (lines > 0) Approximated(e, lines);
        } else if (n == "ELLIPSE") {
            Ellipse(e, t);
        } else if (n == "LWPOLYLINE") {
            LwPolyline(e, t);
        } else if (n == "SPLINE") {
            Spline(e, t);
        } else {
            Note(e, "");
            ++unknownCount;
        }
    }

    void Ellipse(const Entity& e, const Xform& t) {
        if (!e.Has(10) || !e.Has(20)) return;
        const Pt c{e.Num(10, 0), e.Num(20, 0)}, major{e.Num(11, 0), e.Num(21, 0)};
        const double ratio = e.Num(40, 0);
        double t0 = e.Num(41, 0), t1 = e.Num(42, 2 * kPi);
        const bool whole = std::fabs(std::fabs(t1 - t0) - 2 * kPi) < 1e-9 || (t0 == 0 && t1 == 0);
        const double nz = e.Num(230, 1);
        if (whole && t.Identity() && nz > 0) {
            // The whole ellipse, as the drawing builds it.
            LineMeasure m = LineLen(c.x, c.y, c.x + major.x, c.y + major.y);
            const double reach = m.Length * std::max(1.0, std::fabs(ratio));
            if (!std::isfinite(reach) || std::fabs(c.x) + reach > kCoordLimit ||
                std::fabs(c.y) + reach > kCoordLimit) {
                Note(e, std::isfinite(reach) ? "utanför koordinatgränsen, hoppas över"
                                             : "ogiltiga tal, hoppas över");
                return;
            }
            if (Keep(Pending::Ellipse, {c.x, c.y, ratio * m.Length, m.Length, m.AngleDeg}, 36))
                ++importCount;
            return;
        }
        // The minor axis turns with the extrusion: n × major, scaled by the ratio.
        const double sign = nz < 0 ? -1 : 1;
        const Pt minor{-sign * major.y * ratio, sign * major.x * ratio};
        if (whole) {
            t0 = 0;
            t1 = 2 * kPi;
        }
        if (std::fabs(t0) > 1e6 || std::fabs(t1) > 1e6) {
            // Parameters this far out mean the same turn; keep the loop below short.
            t0 = std::fmod(t0, 2 * kPi);
            t1 = std::fmod(t1, 2 * kPi);
        }
        while (t1 <= t0)
            t1 += 2 * kPi;
        const double size = std::max(std::hypot(major.x, major.y), std::hypot(minor.x, minor.y));
        const std::size_t lines =
            Chain(dxf::EllipsePoints(c, major, minor, t0, t1, Step(size, t)), t);
        ++importCount;
        if (!whole || !t.Identity()) Approximated(e, lines);
    }

    struct Vertex {
        Pt p;
        double bulge = 0;
    };

    // Segments of a polyline; bulged ones as arcs. Returns the number of lines of approximated
    // arcs.
    std::size_t Segments(const std::vector<Vertex>& v, bool closed, const Xform& t) {
        std::size_t approx = 0;
        const std::size_t n = v.size();
        // A closed polyline closes from its last vertex to its first, also with two vertices (a
        // round hole as two bulged halves); a straight closing line over a straight segment
        // would only repeat it.
        const std::size_t segments = closed && n >= 2 ? n : n - 1;
        for (std::size_t i = 0; n > 1 && i < segments; ++i) {
            const Vertex& a = v[i];
            const Vertex& b = v[(i + 1) % n];
            if (n == 2 && i == 1 && (a.bulge == 0 || !std::isfinite(a.bulge)) &&
                (v[0].bulge == 0 || !std::isfinite(v[0].bulge)))
                continue;
            if (a.bulge == 0 || !std::isfinite(a.bulge) || (a.p.x == b.p.x && a.p.y == b.p.y)) {
                // The closing line runs from the first vertex to the last, as it always has.
                if (a.p.x != b.p.x || a.p.y != b.p.y)
                    i + 1 == n ? Line(b.p, a.p, t) : Line(a.p, b.p, t);
                continue;
            }
            bool added = false;
            approx += Circle(dxf::BulgeArc(a.p, b.p, a.bulge), t, added);
        }
        return approx;
    }

    void LwPolyline(const Entity& e, const Xform& t) {
        std::vector<Vertex> v;
        for (const Group& g : e.groups) {
            if (g.code == 10) v.push_back({{FieldNumber(g.value), 0}, 0});
            if (v.empty()) continue;
            if (g.code == 20) v.back().p.y = FieldNumber(g.value);
            if (g.code == 42) v.back().bulge = FieldNumber(g.value);
        }
        if (v.empty()) return;
        const int flags = Whole(e.Num(70, 0));
        const std::size_t approx = Segments(v, flags & 1, t.After(Ocs(e, e.Num(38, 0))));
        ++importCount;
        if (approx > 0) Approximated(e, approx);
    }

    // POLYLINE with its VERTEX entities and SEQEND.
    // `head` is a copy: reading the vertices moves the source on.
    void Polyline(EntitySource& src, const Entity head, const Xform& t, bool paper) {
        const int flags = Whole(head.Num(70, 0));
        std::vector<Vertex> v;
        while (src.PeekName() == "VERTEX") {
            const Entity& e = *src.Next();
            if (Whole(e.Num(70, 0)) & 16) continue;  // a spline's frame, not its curve
            v.push_back({{e.Num(10, 0), e.Num(20, 0)}, e.Num(42, 0)});
        }
        if (src.PeekName() == "SEQEND") src.Next();
        if (paper) {
            Note(head, "pappersrymd");
            return;
        }
        if (flags & (16 | 64)) {
            Note(head, "nät");  // polygon and polyface meshes are surfaces, not contours
            return;
        }
        // A 3D polyline's vertices are world points, seen from above; a 2D one lies in its plane.
        const Xform plane = flags & 8 ? Xform{} : Ocs(head, head.Num(30, 0));
        const std::size_t approx = Segments(v, flags & 1, t.After(plane));
        ++importCount;
        if (approx > 0) Approximated(head, approx);
    }

    void Spline(const Entity& e, const Xform& t) {
        std::vector<double> knots, weights;
        std::vector<Pt> control, fit;
        for (const Group& g : e.groups) {
            if (g.code == 40) knots.push_back(FieldNumber(g.value));
            if (g.code == 41) weights.push_back(FieldNumber(g.value));
            if (g.code == 10) control.push_back({FieldNumber(g.value), 0});
            if (g.code == 20 && !control.empty()) control.back().y = FieldNumber(g.value);
            if (g.code == 11) fit.push_back({FieldNumber(g.value), 0});
            if (g.code == 21 && !fit.empty()) fit.back().y = FieldNumber(g.value);
        }
        const double scale = std::max(t.MaxScale(), 1e-12);
        std::vector<Pt> pts = dxf::SplinePoints(Whole(e.Num(71, 3), 0, 11), knots, control, weights,
                                                tolerance_ / scale);
        if (pts.empty() && fit.size() >= 2) pts = fit;  // only fit points: the chain through them
        if (pts.size() < 2) {
            Note(e, "");
            ++unknownCount;
            return;
        }
        Approximated(e, Chain(pts, t));
        ++importCount;
    }

    void Insert(const Entity& e, const Xform& t, int depth, std::vector<std::string>& inserting) {
        const std::string name = e.Text(2);
        auto it = blocks.find(name);
        if (it == blocks.end()) {
            Note(e, "blocket " + name + " saknas");
            return;
        }
        if (depth >= kMaxNesting ||
            std::find(inserting.begin(), inserting.end(), name) != inserting.end()) {
            Note(e, "blocket " + name + " placeras i sig självt");
            return;
        }
        const Block& b = it->second;
        const Xform plane = Ocs(e, e.Num(30, 0));
        const double sx = e.Num(41, 1), sy = e.Num(42, 1), rot = e.Num(50, 0);
        const double dc = e.Num(44, 0), dr = e.Num(45, 0), x = e.Num(10, 0), y = e.Num(20, 0);
        // A block that can place nothing (text, faces, missing blocks) says what it has to say
        // at one placement; its array would only spend the budget that later blocks need.
        const bool places = Places(name);
        const int cols = places ? Whole(e.Num(70, 1), 1, 1000) : 1,
                  rows = places ? Whole(e.Num(71, 1), 1, 1000) : 1;
        inserting.push_back(name);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                if (!Spend(e)) break;
                // Block coordinates from the base point, scaled, turned, moved to the insertion
                // point (and its array place), in the insert's plane.
                const Xform local = Xform::Translate(x, y)
                                        .After(Xform::RotateDeg(rot))
                                        .After(Xform::Translate(c * dc, r * dr))
                                        .After(Xform::Scale(sx, sy))
                                        .After(Xform::Translate(-b.base.x, -b.base.y));
                BlockSource src(b.entities);
                Entities(src, t.After(plane.After(local)), depth + 1, inserting);
            }
        }
        inserting.pop_back();
    }

    // Whether placing the block can add anything to the drawing: it holds something the reader
    // imports, or places a block that does (worked out once, from the blocks upwards).
    bool Places(const std::string& name) {
        if (!placesKnown_) {
            // What Simple and Polyline turn into drawing objects.
            static const std::set<std::string> kinds = {"POINT",    "VERTEX", "LINE",
                                                        "ARC",      "CIRCLE", "ELLIPSE",
                                                        "POLYLINE", "SPLINE", "LWPOLYLINE"};
            std::map<std::string, std::vector<std::string>> placedBy;
            std::vector<std::string> todo;
            for (const auto& [block, b] : blocks) {
                for (const Entity& e : b.entities) {
                    if (e.Num(67, 0) == 1) continue;
                    if (e.name == "INSERT")
                        placedBy[e.Text(2)].push_back(block);
                    else if (kinds.count(e.name) && places_.insert(block).second)
                        todo.push_back(block);
                }
            }
            while (!todo.empty()) {
                const std::string block = std::move(todo.back());
                todo.pop_back();
                for (const std::string& parent : placedBy[block])
                    if (places_.insert(parent).second) todo.push_back(parent);
            }
            placesKnown_ = true;
        }
        return places_.count(name) > 0;
    }

    // The angle step of a circle or ellipse of this size: its chords stay within the tolerance
    // (at most 10 degrees, as the drawing's own ellipses).
    double Step(double radius, const Xform& t) const {
        const double r = std::fabs(radius) * std::max(t.MaxScale(), 1e-12);
        if (!(r > tolerance_)) return kPi / 18;
        // A little inside the tolerance: the chain's points are rounded like any others.
        return std::min(kPi / 18, 2 * std::acos(1 - 0.9 * tolerance_ / r));
    }

    Program& p_;
    double tolerance_;
    const Entity* entity_ = nullptr;  // the entity being imported, for the log
    bool farCircle_ = false;
    std::vector<Pending> pending_;
    std::set<std::string> places_;
    bool placesKnown_ = false;
    long budget_ = 500'000;  // block entities and placements
    bool budgetNoted_ = false;
    std::set<std::string> noted_;
};

// The HEADER's $INSUNITS code, 0 when the file has none.
int InsUnitsCode(const std::string& bytes) {
    PairReader r(bytes);
    try {
        while (!r.AtEnd()) {
            const std::string line(Trim(r.NextLine(), " \t"));
            if (line == "ENTITIES" || line == "BLOCKS") return 0;
            if (line == "$INSUNITS" && !r.AtEnd()) {
                r.NextLine();  // the code line
                if (r.AtEnd()) return 0;
                const auto v = ParsePlainNumber(r.NextLine());
                return v && *v == std::floor(*v) && std::fabs(*v) < 1000 ? static_cast<int>(*v) : 0;
            }
        }
    } catch (const VtError&) {
    }
    return 0;
}

void SkipSection(PairReader& r) {
    while (!r.AtEnd())
        if (Trim(r.NextLine(), " \t") == "ENDSEC") return;
}

// BLOCKS: each BLOCK's base point and entities up to its ENDBLK.
void ReadBlocks(Program& p, PairReader& r, std::map<std::string, Block>& blocks) {
    if (r.AtEnd()) return;
    if (r.Code() != 0) throw VtError(kErrTypeMismatch);
    FileSource src(p, r, r.NextLine(), r.Line());
    std::string current;
    bool inBlock = false;
    while (const Entity* next = src.Next()) {
        const Entity& e = *next;
        if (e.name == "ENDSEC" || e.name == "EOF") return;
        if (e.name == "BLOCK") {
            current = e.Text(2);
            blocks[current] = Block{{e.Num(10, 0), e.Num(20, 0)}, {}};
            inBlock = true;
        } else if (e.name == "ENDBLK") {
            inBlock = false;
        } else if (inBlock) {
            blocks[current].entities.push_back(e);
        }
    }
}

// A binary DXF starts with its sentinel.
bool IsBinaryDxf(const std::string& bytes) {
    static const char kSentinel[] = "AutoCAD Binary DXF\r\n\x1a";
    return bytes.compare(0, sizeof kSentinel - 1, kSentinel) == 0;
}

}  // namespace

bool LoadDXF(Program& p, const std::string& name) {
    if (!FileExists(name)) {
        p.ui.MessageBox(MissingFileText(p.language, name), p.language.GetText(1065), MsgButtons::Ok,
                        MsgIcon::Critical);
        return false;
    }
    std::string bytes;
    const ReadStatus status = ReadWholeFile(name, bytes);
    if (status != ReadStatus::Ok) {
        CannotRead(p, name, ReadProblem(p, status));
        return false;
    }
    if (IsBinaryDxf(bytes)) {
        p.ui.MessageBox(p.language.GetText(2310), p.language.GetText(1065), MsgButtons::Ok,
                        MsgIcon::Critical);
        return false;
    }
    // The file's units become millimetres unless the settings keep its numbers; the chord
    // tolerance is 0.01 mm in whatever unit the drawing gets.
    const int unitCode = InsUnitsCode(bytes);
    const double mmPerUnit = MillimetresPerUnit(unitCode);
    const bool convert = mmPerUnit > 0 && mmPerUnit != 1 && !p.settings.DxfKeepUnits;
    const double mmPerDrawingUnit = convert || mmPerUnit == 0 ? 1 : mmPerUnit;
    const Xform units = convert ? Xform::Scale(mmPerUnit, mmPerUnit) : Xform{};

    // A file that needs more objects than a drawing holds is read again with coarser curves;
    // if it still does not fit, nothing of it is imported.
    std::unique_ptr<Importer> imp;
    bool read = false, reachedEntities = false;
    double toleranceMm = 0;
    for (double mm : kChordTolerancesMm) {
        toleranceMm = mm;
        imp = std::make_unique<Importer>(p, mm / mmPerDrawingUnit);
        reachedEntities = false;
        read = Guarded(p, "LoadDXF()", [&] {
            PairReader r(bytes);
            while (!r.AtEnd()) {
                // Sections: "0 SECTION" then "2 name". Anything else at this level is passed over.
                if (Trim(r.NextLine(), " \t") != "0" || r.AtEnd()) continue;
                const std::string what(Trim(r.NextLine(), " \t"));
                if (what == "EOF") break;
                if (what != "SECTION" || r.AtEnd()) continue;
                if (Trim(r.NextLine(), " \t") != "2" || r.AtEnd()) continue;
                const std::string section(Trim(r.NextLine(), " \t"));
                if (section == "BLOCKS") {
                    p.errorTrail.Push("GetBlock()");
                    ReadBlocks(p, r, imp->blocks);
                } else if (section == "ENTITIES") {
                    reachedEntities = true;
                    if (r.AtEnd()) break;
                    if (r.Code() != 0) throw VtError(kErrTypeMismatch);
                    FileSource src(p, r, r.NextLine(), r.Line());
                    std::vector<std::string> inserting;
                    imp->Entities(src, units, 0, inserting);
                    // Past ENDSEC or EOF: a file has one ENTITIES section.
                    break;
                } else {
                    SkipSection(r);
                }
            }
        });
        if (!read || !reachedEntities || imp->objects <= static_cast<std::size_t>(kMaxCount)) break;
    }
    // What was not imported or only approximated, where the user can find it; the log is this
    // file's, also when nothing could be imported.
    std::string log;
    if (unitCode != 0)
        log += "$INSUNITS " + std::to_string(unitCode) +
               (convert ? " -> mm (x" + PlainNumber(mmPerUnit, 12) + ")" : "") + "\r\n";
    if (toleranceMm != kChordTolerancesMm[0])
        log += "Kurvor med toleransen " + PlainNumber(toleranceMm) + " mm\r\n";
    if (imp->objects > static_cast<std::size_t>(kMaxCount))
        log += "För många ritobjekt: " + std::to_string(imp->objects) + "\r\n";
    WriteFileAtomic(p.paths.File(kDxfLogName), log + imp->log);
    if (!read) return false;  // reported; the caller keeps the drawing it had
    if (!reachedEntities) {
        CannotRead(p, name, p.language.GetText(2323));
        return false;
    }
    if (imp->objects > static_cast<std::size_t>(kMaxCount)) {
        CannotRead(p, name,
                   p.language.GetText(2330) + " " + std::to_string(imp->objects) + " (" +
                       std::to_string(kMaxCount) + ")");
        return false;
    }
    NewDrawing(p);
    Guarded(p, "LoadDXF()", [&] { imp->Commit(); });
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
    p.ui.MessageBox("Importering av DXF fil klar.\r\n\r\nImporterade ritbojekt: " +
                        std::to_string(imp->importCount),
                    kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
    return true;
}

}  // namespace vt
