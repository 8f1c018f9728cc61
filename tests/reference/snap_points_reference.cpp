// The pair-by-pair snap-point search (see the header).
#include "reference/snap_points_reference.h"

#include "app/program.h"
#include "geometry/intersections.h"
#include "geometry/primitives.h"
#include "model/drawing_ops.h"

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
    for (int i = 1; i <= n; ++i) {
        const RitObjekt& o = d.Obj(i);
        if (o.Typ == kCircle) {
            if (s.CP && !Add(p, o.CX, o.CY, s.CenterColor, i, i)) return false;
            if (s.QP) {
                if (!Add(p, o.CX + o.R, o.CY, s.QuadrantColor, i, i)) return false;
                if (!Add(p, o.CX - o.R, o.CY, s.QuadrantColor, i, i)) return false;
                if (!Add(p, o.CX, o.CY + o.R, s.QuadrantColor, i, i)) return false;
                if (!Add(p, o.CX, o.CY - o.R, s.QuadrantColor, i, i)) return false;
            }
        } else if (o.Typ == kLine) {
            if (s.EP) {
                if (!Add(p, o.X1, o.Y1, s.EndpointColor, i, i)) return false;
                if (!Add(p, o.X2, o.Y2, s.EndpointColor, i, i)) return false;
            }
            if (s.MP) {
                LineMeasure m = LineLen(o.X1, o.Y1, o.X2, o.Y2);
                if (!Add(p, m.MidX, m.MidY, s.MidpointColor, i, i)) return false;
            }
        }
    }
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
                for (int k = 1; k <= l.Count; ++k)
                    if (!Add(p, l.Pt[static_cast<std::size_t>(k)].X,
                             l.Pt[static_cast<std::size_t>(k)].Y, s.IntersecColor, i, j))
                        return false;
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
                    if (inC && inL && !Add(p, pt.X, pt.Y, s.IntersecColor, i, j)) return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

void ReferenceUpdatePoints(Program& p) {
    p.drawing.PointCount = 0;
    if (p.settings.POD && !p.cmd.PickPoints) return;
    BuildPoints(p);
}

}  // namespace vt
