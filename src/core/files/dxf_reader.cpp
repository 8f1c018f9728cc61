// The DXF reader: group-code/value pairs, one parser per entity kind.
#include "files/dxf_reader.h"

#include <cmath>
#include <vector>

#include "app/error_report.h"
#include "app/program.h"
#include "app/text_file.h"
#include "app/version.h"
#include "files/fields.h"
#include "geometry/primitives.h"
#include "model/drawing_ops.h"
#include "model/snap_points.h"

namespace vt {

namespace {

constexpr double kMissing = -9999999;

// The lines of the file and where reading stands.
class DxfCursor {
  public:
    explicit DxfCursor(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    bool AtEnd() const { return at_ >= lines_.size(); }
    std::size_t Line() const { return at_; }  // 1-based number of the line read last
    const std::string& Next() {
        if (AtEnd()) throw VtError(kErrInputPastEnd);
        return lines_[at_++];
    }
    // A group-code line as an integer.
    int Code() {
        std::string_view t = Trim(Next(), " \t");
        double v = FieldNumber(t);
        if (t.empty() || v != std::floor(v)) throw VtError(kErrTypeMismatch);
        return static_cast<int>(v);
    }

  private:
    std::vector<std::string> lines_;
    std::size_t at_ = 0;
};

// Reads the groups of one entity up to and including the next code 0, handing each (code, value)
// to `take`.
template <class Take>
void ReadGroups(Program& p, DxfCursor& c, const char* routine, Take&& take) {
    p.errorTrail.Push(routine);
    for (;;) {
        int code = c.Code();
        if (code == 0) return;
        take(code, c.Next());
    }
}

struct DxfRecord {
    double x1 = kMissing, y1 = kMissing, x2 = kMissing, y2 = kMissing, r = kMissing;
    double a1 = 0, a2 = 0, ratio = 0;
    int flags = 0;
};

double Value(const std::string& v) {
    return FieldNumber(v);
}

// The entity parsers; DxfError is whether a required group was missing.
DxfRecord GetVertex(Program& p, DxfCursor& c) {
    DxfRecord r;
    ReadGroups(p, c, "GetVertex()", [&](int code, const std::string& v) {
        if (code == 10)
            r.x1 = Value(v);
        else if (code == 20)
            r.y1 = Value(v);
    });
    return r;
}

DxfRecord GetLine(Program& p, DxfCursor& c, bool& dxfError) {
    DxfRecord r;
    ReadGroups(p, c, "GetLine()", [&](int code, const std::string& v) {
        if (code == 10)
            r.x1 = Value(v);
        else if (code == 20)
            r.y1 = Value(v);
        else if (code == 11)
            r.x2 = Value(v);
        else if (code == 21)
            r.y2 = Value(v);
    });
    dxfError = r.x1 == kMissing || r.y1 == kMissing || r.x2 == kMissing || r.y2 == kMissing;
    return r;
}

DxfRecord GetCirle(Program& p, DxfCursor& c, bool& dxfError) {
    DxfRecord r;
    ReadGroups(p, c, "GetCirle()", [&](int code, const std::string& v) {
        if (code == 10)
            r.x1 = Value(v);
        else if (code == 20)
            r.y1 = Value(v);
        else if (code == 40)
            r.r = Value(v);
        else if (code == 50)
            r.a1 = Value(v);
        else if (code == 51)
            r.a2 = Value(v);
    });
    dxfError = r.x1 == kMissing || r.y1 == kMissing || r.r == kMissing;
    return r;
}

DxfRecord GetEllipse(Program& p, DxfCursor& c, bool& dxfError) {
    DxfRecord r;
    r.x2 = r.y2 = 0;
    ReadGroups(p, c, "GetEllipse()", [&](int code, const std::string& v) {
        if (code == 10)
            r.x1 = Value(v);
        else if (code == 20)
            r.y1 = Value(v);
        else if (code == 11)
            r.x2 = Value(v);
        else if (code == 21)
            r.y2 = Value(v);
        else if (code == 40)
            r.ratio = Value(v);
    });
    dxfError = r.x1 == kMissing || r.y1 == kMissing;
    return r;
}

int GetPolyLine(Program& p, DxfCursor& c) {
    int flags = 0;
    ReadGroups(p, c, "GetPolyLine()", [&](int code, const std::string& v) {
        if (code == 70) flags = static_cast<int>(Value(v));
    });
    return flags;
}

void GetEntity(Program& p, DxfCursor& c) {
    ReadGroups(p, c, "GetEntity()", [](int, const std::string&) {});
}

std::string Upper(const std::string& s) {
    return ToUpperAscii(Trim(s, " \t"));
}

}  // namespace

void LoadDXF(Program& p, const std::string& name) {
    if (!FileExists(name)) {
        p.ui.MessageBox(
            "Filen \"" + name + "\" finns inte. Var god kontrollera filnamnet och försök igen",
            "Fel vid öppning", MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    int importCount = 0, unknownCount = 0;
    std::string debug;
    bool reachedEntities = false;
    const bool read = Guarded(p, "LoadDXF()", [&] {
        std::vector<std::string> lines;
        if (!ReadTextLines(name, lines)) throw VtError(kErrFileNotFound);
        DxfCursor c(std::move(lines));
        // Up to the ENTITIES marker and the group-code line after it.
        while (!c.AtEnd() && c.Next() != "ENTITIES") {
        }
        if (c.AtEnd()) return;
        c.Next();
        reachedEntities = true;
        bool circleRefused = false;
        while (!c.AtEnd()) {
            const std::string entity = Upper(c.Next());
            bool dxfError = false;
            if (entity == "POINT" || entity == "VERTEX") {
                DxfRecord r = GetVertex(p, c);
                AddRitPoint(p, r.x1, r.y1, false, true, false);
                ++importCount;
            } else if (entity == "LINE") {
                DxfRecord r = GetLine(p, c, dxfError);
                if (dxfError) continue;
                AddLine(p, r.x1, r.y1, r.x2, r.y2, false, true, false);
                ++importCount;
            } else if (entity == "ARC" || entity == "CIRCLE") {
                DxfRecord r = GetCirle(p, c, dxfError);
                if (dxfError) continue;
                double radius = r.r;
                double a1 = r.a1 * 3.14159265358979 / 180, a2 = r.a2 * 3.14159265358979 / 180;
                if (entity == "CIRCLE") a1 = a2 = 0;
                // One message for the file, not one for each circle it cannot hold.
                bool fits = std::fabs(radius) <= kCoordLimit && std::fabs(r.x1) <= kCoordLimit &&
                            std::fabs(r.y1) <= kCoordLimit;
                if (!fits && circleRefused) continue;
                if (!AddArc(p, r.x1, r.y1, a1, a2, radius, false, true, false)) {
                    circleRefused = true;
                    continue;
                }
                ++importCount;
            } else if (entity == "ELLIPSE") {
                DxfRecord r = GetEllipse(p, c, dxfError);
                if (dxfError) continue;
                LineMeasure m = LineLen(r.x1, r.y1, r.x1 + r.x2, r.y1 + r.y2);
                AddEllipse(p, r.x1, r.y1, r.ratio * m.Length, m.Length, m.AngleDeg, false, true,
                           false);
                ++importCount;
            } else if (entity == "POLYLINE") {
                int flags = GetPolyLine(p, c);
                if (flags < 1) continue;  // its vertices follow as points
                std::string next = Upper(c.Next());
                bool first = true;
                double fx = 0, fy = 0, px = 0, py = 0;
                while (next == "VERTEX") {
                    DxfRecord v = GetVertex(p, c);
                    if (!first) AddLine(p, px, py, v.x1, v.y1, false, true, false);
                    if (first) fx = v.x1, fy = v.y1;
                    first = false;
                    px = v.x1;
                    py = v.y1;
                    next = c.AtEnd() ? "EOF" : Upper(c.Next());
                }
                if (next == "SEQEND") GetEntity(p, c);
                if (flags % 2 == 1 && !first) AddLine(p, fx, fy, px, py, false, true, false);
                ++importCount;
                if (next == "EOF") break;
            } else if (entity == "EOF" || entity == "ENDSEC") {
                break;  // the end of the entities: the sections after them hold no drawing
            } else {
                debug += entity + "(" + std::to_string(c.Line()) + ")\r\n";
                GetEntity(p, c);
                ++unknownCount;
            }
        }
    });
    if (read && !reachedEntities) return;  // no ENTITIES section: nothing, and no message
    // The list of what was not imported, where the user can find it.
    WriteFileAtomic(p.paths.File(kDxfLogName), debug);
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
    if (!read) return;  // the failure was reported; what was read stays
    p.ui.MessageBox(
        "Importering av DXF fil klar.\r\n\r\nImporterade ritbojekt: " + std::to_string(importCount),
        kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace vt
