// UpdatePoints and the snap-point switches.
#include "model/snap_points.h"

#include <optional>
#include <vector>

#include "app/program.h"
#include "geometry/arc_span.h"
#include "geometry/intersections.h"
#include "geometry/primitives.h"
#include "model/drawing_ops.h"
#include "model/snap_grid.h"

namespace vt {

const std::vector<SnapSwitch>& SnapSwitches() {
    static const std::vector<SnapSwitch> switches = {
        {"mnuShowPointsOnDemand", &ProgramSettings::POD, 0},
        {"mnuIntersectionLL", &ProgramSettings::LL, 7},
        {"mnuIntersectionLC", &ProgramSettings::LC, 9},
        {"mnuIntersectionCC", &ProgramSettings::CC, 8},
        {"mnuShowCenterPoints", &ProgramSettings::CP, 12},
        {"mnuShowEndpoints", &ProgramSettings::EP, 11},
        {"mnuShowMiddlepoints", &ProgramSettings::MP, 10},
        {"mnuShowQuadrantPoints", &ProgramSettings::QP, 13},
    };
    return switches;
}

namespace {

constexpr double kWiden = 0.2;
// Right, left, top, bottom.
constexpr double kQuadrants[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// Adds a point; false once the table is full, so the remaining points can be skipped.
bool Add(Program& p, double x, double y, int32_t colour, int i, int j) {
    return AddPoint(p, x, y, colour, static_cast<int16_t>(i), static_cast<int16_t>(j));
}

// Whether an intersection lies on the object (a full circle holds all of its points).
inline bool OnSpan(const RitObjekt& o, const SnapPoint& pt) {
    return !IsPartArc(o) || OnArcSpan(o, pt.X, pt.Y);
}

}  // namespace

bool AddOwnPoints(Program& p, int i) {
    const ProgramSettings& s = p.settings;
    const RitObjekt& o = p.drawing.Obj(i);
    if (o.Typ == kCircle) {
        // A part arc offers only what lies on its span, and its own end points and the
        // middle of its span like a line.
        const bool part = IsPartArc(o);
        if (s.CP && !Add(p, o.CX, o.CY, s.CenterColor, i, i)) return false;
        if (s.QP)
            for (const auto& q : kQuadrants) {
                const double x = o.CX + q[0] * o.R, y = o.CY + q[1] * o.R;
                if ((!part || OnArcSpan(o, x, y)) && !Add(p, x, y, s.QuadrantColor, i, i))
                    return false;
            }
        if (part) {
            if (s.EP)
                for (double a : {o.StartAngle, o.EndAngle}) {
                    SnapPoint e = PointAtAngle(o, a);
                    if (!Add(p, e.X, e.Y, s.EndpointColor, i, i)) return false;
                }
            SnapPoint m = PointAtAngle(o, o.StartAngle + ArcSweep(o.StartAngle, o.EndAngle) / 2);
            if (s.MP && !Add(p, m.X, m.Y, s.MidpointColor, i, i)) return false;
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
    return true;
}

namespace {

bool BuildPoints(Program& p) {
    const Drawing& d = p.drawing;
    const ProgramSettings& s = p.settings;
    const int n = d.ObjectCount;
    for (int i = 1; i <= n; ++i)
        if (!AddOwnPoints(p, i)) return false;
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
                if (inA && inB && !Add(p, r.Pt.X, r.Pt.Y, s.IntersecColor, i, j)) return false;
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
                        !Add(p, pt.X, pt.Y, s.IntersecColor, i, j))
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
                    if (inC && inL && OnSpan(c, pt) && !Add(p, pt.X, pt.Y, s.IntersecColor, i, j))
                        return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

void UpdatePoints(Program& p) {
    p.drawing.PointCount = 0;
    if (p.settings.POD && !p.cmd.PickPoints) return;
    p.uiState.busyCursor = true;
    BuildPoints(p);
    p.uiState.busyCursor = false;
}

bool ToggleSnapSwitch(Program& p, const std::string& menu) {
    UiState& ui = p.uiState;
    if (menu == "mnuIntersecMore") {
        p.settings.IntersecMore = p.settings.IntersecMore ? 0 : 1;
        ui.Menu(menu).checked = p.settings.IntersecMore != 0;
        ui.panels[16].bevel = p.settings.IntersecMore ? kBevelInset : kBevelRaised;
    } else {
        const SnapSwitch* sw = nullptr;
        for (const auto& s : SnapSwitches())
            if (menu == s.menu) sw = &s;
        if (!sw) return false;
        bool on = !ui.Checked(menu);
        ui.Menu(menu).checked = on;
        if (sw->panel)
            ui.panels[static_cast<std::size_t>(sw->panel)].bevel = on ? kBevelInset : kBevelRaised;
        p.settings.*(sw->setting) = on;
    }
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.StateChanged();
    p.ui.Refresh();
    return true;
}

}  // namespace vt
