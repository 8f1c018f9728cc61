// Offsetting a chain by the tool radius.
#include "contour/offset.h"

#include <cmath>
#include <optional>

#include "contour/element_geometry.h"

namespace vt {

namespace {

// The element moved sideways by `d` (positive: to the left of travel); none when an arc would
// shrink to nothing.
std::optional<ChainElement> Moved(const ChainElement& e, double d) {
    ChainElement m = e;
    if (!e.arc) {
        const Vec2 t = ElementTangent(e, false);
        m.x1 += -t.y * d;
        m.y1 += t.x * d;
        m.x2 += -t.y * d;
        m.y2 += t.x * d;
        return m;
    }
    // Left of a counter-clockwise arc is towards its centre.
    m.r = e.r - (e.ccw ? d : -d);
    if (m.r <= 1e-9 * e.r) return std::nullopt;
    const double k = m.r / e.r;
    m.x1 = e.cx + (e.x1 - e.cx) * k;
    m.y1 = e.cy + (e.y1 - e.cy) * k;
    m.x2 = e.cx + (e.x2 - e.cx) * k;
    m.y2 = e.cy + (e.y2 - e.cy) * k;
    return m;
}

// Where the two moved elements (taken whole: lines and circles) cross, the one nearest (px, py).
std::optional<Vec2> Meet(const ChainElement& a, const ChainElement& b, double px, double py) {
    std::vector<Vec2> found;
    auto lineCircle = [&](const ChainElement& l, const ChainElement& c) {
        const Vec2 t = UnitVec(l.x2 - l.x1, l.y2 - l.y1);
        const double fx = l.x1 - c.cx, fy = l.y1 - c.cy;
        const double bq = fx * t.x + fy * t.y, cq = fx * fx + fy * fy - c.r * c.r;
        const double disc = bq * bq - cq;
        if (disc < -1e-12 * c.r * c.r) return;
        const double s = std::sqrt(std::max(0.0, disc));
        for (double u : {-bq - s, -bq + s})
            found.push_back({l.x1 + u * t.x, l.y1 + u * t.y});
    };
    if (!a.arc && !b.arc) {
        const Vec2 ta = UnitVec(a.x2 - a.x1, a.y2 - a.y1), tb = UnitVec(b.x2 - b.x1, b.y2 - b.y1);
        const double den = ta.x * tb.y - ta.y * tb.x;
        if (std::fabs(den) < 1e-12) return std::nullopt;
        const double u = ((b.x1 - a.x1) * tb.y - (b.y1 - a.y1) * tb.x) / den;
        found.push_back({a.x1 + u * ta.x, a.y1 + u * ta.y});
    } else if (!a.arc) {
        lineCircle(a, b);
    } else if (!b.arc) {
        lineCircle(b, a);
    } else {
        const double dx = b.cx - a.cx, dy = b.cy - a.cy, dd = std::hypot(dx, dy);
        if (dd <= 0) return std::nullopt;
        const double along = (dd * dd + a.r * a.r - b.r * b.r) / (2 * dd);
        const double h2 = a.r * a.r - along * along;
        if (h2 < -1e-12 * a.r * a.r) return std::nullopt;
        const double h = std::sqrt(std::max(0.0, h2));
        const double mx = a.cx + along * dx / dd, my = a.cy + along * dy / dd;
        found.push_back({mx - h * dy / dd, my + h * dx / dd});
        found.push_back({mx + h * dy / dd, my - h * dx / dd});
    }
    if (found.empty()) return std::nullopt;
    Vec2 best = found[0];
    for (const Vec2& f : found)
        if (std::hypot(f.x - px, f.y - py) < std::hypot(best.x - px, best.y - py)) best = f;
    return best;
}

// Whether a cut-back element still runs the way it did and is not longer than before.
bool StillForward(const ChainElement& trimmed, const ChainElement& whole) {
    if (!trimmed.arc) {
        const double dot = (trimmed.x2 - trimmed.x1) * (whole.x2 - whole.x1) +
                           (trimmed.y2 - trimmed.y1) * (whole.y2 - whole.y1);
        return dot > 0;
    }
    return IsFullTurn(whole) || ElementSweep(trimmed) <= ElementSweep(whole) + 1e-9;
}

}  // namespace

OffsetResult OffsetChain(const Chain& chain, double toolRadius, OffsetSide side) {
    OffsetResult out;
    const std::vector<ChainElement>& el = chain.elements;
    const std::size_t n = el.size();
    if (n == 0 || !(toolRadius > 0)) return out;
    const double d = side == OffsetSide::Left ? toolRadius : -toolRadius;
    std::vector<ChainElement> moved, whole;
    for (std::size_t i = 0; i < n; ++i) {
        const auto m = Moved(el[i], d);
        if (!m) {
            out.refusedElement = static_cast<int>(i);
            return out;
        }
        moved.push_back(*m);
    }
    whole = moved;
    // Joints: after element i comes element i + 1 (and the first after the last on a loop).
    const std::size_t joints = chain.closed ? n : n - 1;
    std::vector<std::optional<ChainElement>> corner(n);
    for (std::size_t i = 0; i < joints && n > 1; ++i) {
        const std::size_t j = (i + 1) % n;
        const Vec2 ta = ElementTangent(el[i], true), tb = ElementTangent(el[j], false);
        const double cross = ta.x * tb.y - ta.y * tb.x, dot = ta.x * tb.x + ta.y * tb.y;
        const double px = el[i].x2, py = el[i].y2;
        if (std::fabs(cross) <= 1e-9 && dot > 0) {  // smooth: the moved ends meet
            moved[j].x1 = moved[i].x2;
            moved[j].y1 = moved[i].y2;
            continue;
        }
        const bool outside = (d > 0) ? cross < 0 : cross > 0;
        if (outside || (std::fabs(cross) <= 1e-9 && dot < 0)) {
            ChainElement c;
            c.arc = true;
            c.cx = px;
            c.cy = py;
            c.r = toolRadius;
            c.ccw = d < 0;
            c.x1 = moved[i].x2;
            c.y1 = moved[i].y2;
            c.x2 = moved[j].x1;
            c.y2 = moved[j].y1;
            c.object = 0;
            corner[i] = c;
            continue;
        }
        const auto x = Meet(moved[i], moved[j], px, py);
        if (!x) {
            out.refusedElement = static_cast<int>(j);
            return out;
        }
        moved[i].x2 = moved[j].x1 = x->x;
        moved[i].y2 = moved[j].y1 = x->y;
    }
    for (std::size_t i = 0; i < n; ++i)
        if (!StillForward(moved[i], whole[i])) {
            out.refusedElement = static_cast<int>(i);
            return out;
        }
    for (std::size_t i = 0; i < n; ++i) {
        out.path.push_back(moved[i]);
        if (corner[i]) out.path.push_back(*corner[i]);
    }
    return out;
}

}  // namespace vt
