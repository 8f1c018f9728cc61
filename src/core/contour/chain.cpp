// Following chains of lines and part arcs.
#include "contour/chain.h"

#include <algorithm>
#include <cmath>

#include "geometry/arc_span.h"

namespace vt {

namespace {

bool Usable(const RitObjekt& o) {
    return !o.Deleted && !o.Temp && (o.Typ == kLine || o.Typ == kCircle);
}

// The element as drawn: a line from its first point, a part arc counter-clockwise from its start
// angle (a negative radius mirrors the points through the centre, as they are drawn).
ChainElement AsDrawn(const RitObjekt& o, int16_t index) {
    ChainElement e;
    e.object = index;
    if (o.Typ == kLine) {
        e.x1 = o.X1;
        e.y1 = o.Y1;
        e.x2 = o.X2;
        e.y2 = o.Y2;
        return e;
    }
    e.arc = true;
    e.cx = o.CX;
    e.cy = o.CY;
    e.r = std::fabs(o.R);
    const SnapPoint s = PointAtAngle(o, o.StartAngle), t = PointAtAngle(o, o.EndAngle);
    e.x1 = s.X;
    e.y1 = s.Y;
    e.x2 = t.X;
    e.y2 = t.Y;
    if (!IsPartArc(o)) {  // a full turn from its rightmost point
        e.x1 = e.x2 = o.CX + e.r;
        e.y1 = e.y2 = o.CY;
    }
    return e;
}

bool Near(double x1, double y1, double x2, double y2, double tol) {
    return std::hypot(x1 - x2, y1 - y2) <= tol;
}

struct Extend {
    std::vector<ChainElement> added;
    bool reachedStart = false;
    bool branched = false;
};

// Walks on from (x, y) through the joinable elements away from those already used.
Extend Walk(const std::vector<ChainElement>& joinable, double x, double y, std::vector<bool>& used,
            int16_t start, double tol) {
    Extend out;
    for (;;) {
        std::vector<ChainElement> next;
        bool startHere = false;
        for (const ChainElement& e : joinable) {
            const int16_t i = e.object;
            const bool atStart = Near(e.x1, e.y1, x, y, tol), atEnd = Near(e.x2, e.y2, x, y, tol);
            if (!atStart && !atEnd) continue;
            if (used[static_cast<std::size_t>(i)]) {
                if (i == start) startHere = true;
                continue;
            }
            next.push_back(atStart ? e : Reversed(e));
        }
        if (next.size() > 1) {
            out.branched = true;
            return out;
        }
        if (next.empty()) {
            out.reachedStart = startHere;
            return out;
        }
        used[static_cast<std::size_t>(next[0].object)] = true;
        out.added.push_back(next[0]);
        x = next[0].x2;
        y = next[0].y2;
    }
}

}  // namespace

ChainElement Reversed(ChainElement e) {
    std::swap(e.x1, e.x2);
    std::swap(e.y1, e.y2);
    e.ccw = !e.ccw;
    return e;
}

double ChainTolerance(const Drawing& d) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (int16_t i = 1; i <= d.ObjectCount; ++i) {
        const RitObjekt& o = d.Obj(i);
        if (!Usable(o)) continue;
        const double r = std::fabs(o.R);
        const double box[4] = {o.Typ == kLine ? o.X1 : o.CX - r, o.Typ == kLine ? o.Y1 : o.CY - r,
                               o.Typ == kLine ? o.X2 : o.CX + r, o.Typ == kLine ? o.Y2 : o.CY + r};
        for (double v : box) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    const double size = hi > lo ? hi - lo : 1.0;
    return 1e-6 * size;
}

Chain FollowChain(const Drawing& d, int16_t start) {
    Chain c;
    if (start < 1 || start > d.ObjectCount || !Usable(d.Obj(start))) return c;
    const RitObjekt& o = d.Obj(start);
    const ChainElement first = AsDrawn(o, start);
    c.elements.push_back(first);
    if (o.Typ == kCircle && !IsPartArc(o)) {
        c.closed = true;
        return c;
    }
    const double tol = ChainTolerance(d);
    // Lines and part arcs, as drawn, once: a walk looks at them at every step.
    std::vector<ChainElement> joinable;
    for (int16_t i = 1; i <= d.ObjectCount; ++i) {
        const RitObjekt& j = d.Obj(i);
        if (Usable(j) && (j.Typ == kLine || IsPartArc(j))) joinable.push_back(AsDrawn(j, i));
    }
    std::vector<bool> used(static_cast<std::size_t>(d.ObjectCount) + 1, false);
    used[static_cast<std::size_t>(start)] = true;
    const Extend forward = Walk(joinable, first.x2, first.y2, used, start, tol);
    c.elements.insert(c.elements.end(), forward.added.begin(), forward.added.end());
    if (forward.reachedStart &&
        Near(c.elements.back().x2, c.elements.back().y2, first.x1, first.y1, tol) &&
        c.elements.size() > 1) {
        c.closed = true;
        return c;
    }
    c.branched = forward.branched;
    const Extend backward = Walk(joinable, first.x1, first.y1, used, start, tol);
    for (const ChainElement& e : backward.added)
        c.elements.insert(c.elements.begin(), Reversed(e));
    c.branched = c.branched || backward.branched;
    return c;
}

std::vector<ChainElement> Reversed(const std::vector<ChainElement>& path) {
    std::vector<ChainElement> out;
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        out.push_back(Reversed(*it));
    return out;
}

}  // namespace vt
