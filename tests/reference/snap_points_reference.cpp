// The pair-by-pair snap-point search (see the header).
#include "reference/snap_points_reference.h"

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "geometry/arc_span.h"
#include "geometry/intersections.h"
#include "geometry/primitives.h"

namespace vt {

namespace {

constexpr double kWiden = 0.2;

// Adds a point; false once the table is full, so the remaining points can be skipped.
bool Add(Program& p, double x, double y, int32_t colour, int i, int j) {
    return AddPoint(p, x, y, colour, static_cast<int16_t>(i), static_cast<int16_t>(j));
}

bool BuildPoints(Program& p) {
    const Drawing& d = p.drawing;
    const ProgramSettings& s = p.settings;
    const int n = d.ObjectCount;
    // Each object's own points come first, as the indexed search makes them.
    for (int i = 1; i <= n; ++i)
        if (!AddOwnPoints(p, i)) return false;
    const bool more = s.IntersecMore == 1;
    if (s.LL) {
        for (int i = 1; i <= n; ++i) {
            const RitObjekt& a = d.Obj(i);
            if (a.Typ != kLine) continue;
            for (int j = 1; j <= n; ++j) {
                const RitObjekt& b = d.Obj(j);
                if (j == i || b.Typ != kLine) continue;
                PointResult r = Lin2LinIntersec(a.X1, a.Y1, a.X2, a.Y2, b.X1, b.Y1, b.X2, b.Y2);
                if (r.CalcError) continue;
                bool inA = more || PointInBox(r.Pt.X, r.Pt.Y, a.X1, a.Y1, a.X2, a.Y2, kWiden);
                bool inB = PointInBox(r.Pt.X, r.Pt.Y, b.X1, b.Y1, b.X2, b.Y2, kWiden);
                if (inA && inB && !Add(p, r.Pt.X, r.Pt.Y, s.IntersecColor, i, j)) return false;
            }
        }
    }
    if (s.CC) {
        for (int i = 1; i <= n; ++i) {
            const RitObjekt& a = d.Obj(i);
            if (a.Typ != kCircle) continue;
            for (int j = 1; j <= n; ++j) {
                const RitObjekt& b = d.Obj(j);
                if (j == i || b.Typ != kCircle) continue;
                IntersectionList l = Arc2ArcIntersect(a.CX, a.CY, a.R, b.CX, b.CY, b.R);
                for (int k = 1; k <= l.Count; ++k) {
                    const SnapPoint& pt = l.Pt[static_cast<std::size_t>(k)];
                    if (OnArcSpan(a, pt.X, pt.Y) && OnArcSpan(b, pt.X, pt.Y) &&
                        !Add(p, pt.X, pt.Y, s.IntersecColor, i, j))
                        return false;
                }
            }
        }
    }
    if (s.LC) {
        for (int i = 1; i <= n; ++i) {
            const RitObjekt& c = d.Obj(i);
            if (c.Typ != kCircle) continue;
            for (int j = 1; j <= n; ++j) {
                const RitObjekt& l = d.Obj(j);
                if (l.Typ != kLine) continue;
                IntersectionList r = Lin2ArcIntersec(c.CX, c.CY, c.R, l.X1, l.Y1, l.X2, l.Y2);
                for (int k = 1; k <= r.Count; ++k) {
                    const SnapPoint& pt = r.Pt[static_cast<std::size_t>(k)];
                    bool inC = PointInBox(pt.X, pt.Y, c.CX - c.R, c.CY - c.R, c.CX + c.R,
                                          c.CY + c.R, kWiden);
                    bool inL = more || PointInBox(pt.X, pt.Y, l.X1, l.Y1, l.X2, l.Y2, kWiden);
                    if (inC && inL && OnArcSpan(c, pt.X, pt.Y) &&
                        !Add(p, pt.X, pt.Y, s.IntersecColor, i, j))
                        return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

void ReferenceUpdatePoints(Program& p) {
    p.snaps.PointCount = 0;
    if (p.settings.POD && !p.cmd.PickPoints) return;
    BuildPoints(p);
}

}  // namespace vt
