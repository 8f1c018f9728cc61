// The snap points of a drawing.
#include "model/snap_points.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "geometry/arc_span.h"
#include "geometry/intersections.h"
#include "geometry/primitives.h"
#include "model/snap_grid.h"

namespace vt {

namespace {

constexpr double kWiden = 0.2;
// Right, left, top, bottom.
constexpr double kQuadrants[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// Adds a point; false once the table is full, so the remaining points can be skipped.
bool Add(SnapTable& t, double x, double y, int32_t colour, int i, int j) {
    return AddPoint(t, x, y, colour, static_cast<int16_t>(i), static_cast<int16_t>(j));
}

// Whether an intersection lies on the object (a full circle holds all of its points).
inline bool OnSpan(const RitObjekt& o, const SnapPoint& pt) {
    return !IsPartArc(o) || OnArcSpan(o, pt.X, pt.Y);
}

}  // namespace

bool AddOwnPoints(const Drawing& d, const SnapSettings& s, int i, SnapTable& t) {
    const RitObjekt& o = d.Obj(i);
    if (o.Typ == kCircle) {
        // A part arc offers only what lies on its span, and its own end points and the
        // middle of its span like a line.
        const bool part = IsPartArc(o);
        if (s.CP && !Add(t, o.CX, o.CY, s.CenterColor, i, i)) return false;
        if (s.QP)
            for (const auto& q : kQuadrants) {
                const double x = o.CX + q[0] * o.R, y = o.CY + q[1] * o.R;
                if ((!part || OnArcSpan(o, x, y)) && !Add(t, x, y, s.QuadrantColor, i, i))
                    return false;
            }
        if (part) {
            if (s.EP)
                for (double a : {o.StartAngle, o.EndAngle}) {
                    SnapPoint e = PointAtAngle(o, a);
                    if (!Add(t, e.X, e.Y, s.EndpointColor, i, i)) return false;
                }
            SnapPoint m = PointAtAngle(o, o.StartAngle + ArcSweep(o.StartAngle, o.EndAngle) / 2);
            if (s.MP && !Add(t, m.X, m.Y, s.MidpointColor, i, i)) return false;
        }
    } else if (o.Typ == kLine) {
        if (s.EP) {
            if (!Add(t, o.X1, o.Y1, s.EndpointColor, i, i)) return false;
            if (!Add(t, o.X2, o.Y2, s.EndpointColor, i, i)) return false;
        }
        if (s.MP) {
            LineMeasure m = LineLen(o.X1, o.Y1, o.X2, o.Y2);
            if (!Add(t, m.MidX, m.MidY, s.MidpointColor, i, i)) return false;
        }
    }
    return true;
}

namespace {

bool BuildPoints(const Drawing& d, const SnapSettings& s, SnapTable& t) {
    const int n = d.ObjectCount;
    for (int i = 1; i <= n; ++i)
        if (!AddOwnPoints(d, s, i, t)) return false;
    if (!s.LL && !s.CC && !s.LC) return true;

    // Candidate pairs come from a grid of the objects' widened boxes; the points from the same
    // computations, in the same order (by the first object, then the second), as a pair-by-pair
    // search would make them.
    const bool more = s.IntersecMore == 1;
    std::vector<int> lines, circles;
    std::vector<SnapBox> boxes(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const RitObjekt& o = d.Obj(i);
        if (o.Typ == kLine) {
            lines.push_back(i);
            boxes[static_cast<std::size_t>(i)] = SegmentBox(o.X1, o.Y1, o.X2, o.Y2, kWiden);
        } else if (o.Typ == kCircle) {
            circles.push_back(i);
            boxes[static_cast<std::size_t>(i)] = CircleBox(o.CX, o.CY, o.R, kWiden);
        }
    }
    std::optional<SnapGrid> lineGrid, circleGrid;
    auto lineIndex = [&]() -> SnapGrid& {
        if (!lineGrid) lineGrid.emplace(boxes, lines);
        return *lineGrid;
    };
    auto circleIndex = [&]() -> SnapGrid& {
        if (!circleGrid) circleGrid.emplace(boxes, circles);
        return *circleGrid;
    };

    if (s.LL) {
        for (int i : lines) {
            const RitObjekt& a = d.Obj(i);
            const std::vector<int>& near =
                more ? lineIndex().AlongLine(a.X1, a.Y1, a.X2, a.Y2)
                     : lineIndex().Overlapping(boxes[static_cast<std::size_t>(i)]);
            for (int j : near) {
                if (j == i) continue;
                const RitObjekt& b = d.Obj(j);
                PointResult r = Lin2LinIntersec(a.X1, a.Y1, a.X2, a.Y2, b.X1, b.Y1, b.X2, b.Y2);
                if (r.CalcError) continue;
                bool inA = more || PointInBox(r.Pt.X, r.Pt.Y, a.X1, a.Y1, a.X2, a.Y2, kWiden);
                bool inB = PointInBox(r.Pt.X, r.Pt.Y, b.X1, b.Y1, b.X2, b.Y2, kWiden);
                if (inA && inB && !Add(t, r.Pt.X, r.Pt.Y, s.IntersecColor, i, j)) return false;
            }
        }
    }
    if (s.CC) {
        for (int i : circles) {
            const RitObjekt& a = d.Obj(i);
            for (int j : circleIndex().Overlapping(boxes[static_cast<std::size_t>(i)])) {
                if (j == i) continue;
                const RitObjekt& b = d.Obj(j);
                IntersectionList l = Arc2ArcIntersect(a.CX, a.CY, a.R, b.CX, b.CY, b.R);
                for (int k = 1; k <= l.Count; ++k) {
                    const SnapPoint& pt = l.Pt[static_cast<std::size_t>(k)];
                    if (OnSpan(a, pt) && OnSpan(b, pt) &&
                        !Add(t, pt.X, pt.Y, s.IntersecColor, i, j))
                        return false;
                }
            }
        }
    }
    if (s.LC) {
        // With IntersecMore a line meets circles along its whole extension: found line by line,
        // then ordered by circle.
        std::vector<std::vector<int>> extended;
        if (more) {
            extended.resize(static_cast<std::size_t>(n) + 1);
            for (int j : lines) {
                const RitObjekt& l = d.Obj(j);
                for (int i : circleIndex().AlongLine(l.X1, l.Y1, l.X2, l.Y2))
                    extended[static_cast<std::size_t>(i)].push_back(j);
            }
        }
        for (int i : circles) {
            const RitObjekt& c = d.Obj(i);
            const std::vector<int>& near =
                more ? extended[static_cast<std::size_t>(i)]
                     : lineIndex().Overlapping(boxes[static_cast<std::size_t>(i)]);
            for (int j : near) {
                const RitObjekt& l = d.Obj(j);
                IntersectionList r = Lin2ArcIntersec(c.CX, c.CY, c.R, l.X1, l.Y1, l.X2, l.Y2);
                for (int k = 1; k <= r.Count; ++k) {
                    const SnapPoint& pt = r.Pt[static_cast<std::size_t>(k)];
                    bool inC = PointInBox(pt.X, pt.Y, c.CX - c.R, c.CY - c.R, c.CX + c.R,
                                          c.CY + c.R, kWiden);
                    bool inL = more || PointInBox(pt.X, pt.Y, l.X1, l.Y1, l.X2, l.Y2, kWiden);
                    if (inC && inL && OnSpan(c, pt) && !Add(t, pt.X, pt.Y, s.IntersecColor, i, j))
                        return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

bool BuildSnapPoints(const Drawing& d, const SnapSettings& s, SnapTable& t) {
    t.PointCount = 0;
    return BuildPoints(d, s, t);
}

bool AddPoint(SnapTable& t, double x, double y, int32_t color, int16_t obj1, int16_t obj2) {
    if (t.PointCount >= t.MaxPoints) return false;
    ++t.PointCount;
    if (t.Points.size() <= static_cast<std::size_t>(t.PointCount))
        t.Points.resize(std::min<std::size_t>(static_cast<std::size_t>(t.MaxPoints) + 1,
                                              std::max<std::size_t>(64, t.Points.size() * 2)));
    t.Pt(t.PointCount) = SnapPoint{x, y, color, obj1, obj2};
    return true;
}

}  // namespace vt
