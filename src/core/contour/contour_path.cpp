// Planning a contour: direction, start, offset, overlap and leads.
#include "contour/contour_path.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "contour/contour_moves.h"
#include "contour/element_geometry.h"
#include "contour/offset.h"

namespace vt {

namespace {

// A closed chain started in the middle of its longest element, where a lead meets a straight or
// smoothly curved stretch instead of a corner.
std::vector<ChainElement> StartMidway(const std::vector<ChainElement>& el) {
    if (el.size() == 1 && IsFullTurn(el[0])) return el;
    std::size_t k = 0;
    for (std::size_t i = 1; i < el.size(); ++i)
        if (ElementLength(el[i]) > ElementLength(el[k])) k = i;
    ChainElement first, second;
    SplitElement(el[k], ElementLength(el[k]) / 2, first, second);
    std::vector<ChainElement> out{second};
    for (std::size_t i = 1; i < el.size(); ++i)
        out.push_back(el[(k + i) % el.size()]);
    out.push_back(first);
    return out;
}

// Full circles as two half circles: a control compensates no full turn.
std::vector<ChainElement> HalveFullTurns(const std::vector<ChainElement>& path) {
    std::vector<ChainElement> out;
    for (const ChainElement& e : path) {
        if (!IsFullTurn(e)) {
            out.push_back(e);
            continue;
        }
        ChainElement a, b;
        SplitElement(e, ElementLength(e) / 2, a, b);
        out.push_back(a);
        out.push_back(b);
    }
    return out;
}

// The first `length` of the path (cut inside an element where it ends).
std::vector<ChainElement> Prefix(const std::vector<ChainElement>& path, double length) {
    std::vector<ChainElement> out;
    for (const ChainElement& e : path) {
        const double l = ElementLength(e);
        if (length <= 0) break;
        if (l <= length) {
            out.push_back(e);
            length -= l;
            continue;
        }
        ChainElement first, rest;
        SplitElement(e, length, first, rest);
        out.push_back(first);
        break;
    }
    return out;
}

ChainElement Line(Vec2 a, Vec2 b) {
    ChainElement e;
    e.x1 = a.x;
    e.y1 = a.y;
    e.x2 = b.x;
    e.y2 = b.y;
    return e;
}

ChainElement Arc(Vec2 a, Vec2 b, Vec2 c, double r, bool ccw) {
    ChainElement e = Line(a, b);
    e.arc = true;
    e.cx = c.x;
    e.cy = c.y;
    e.r = r;
    e.ccw = ccw;
    return e;
}

Vec2 Add(Vec2 a, Vec2 b, double k) {
    return {a.x + b.x * k, a.y + b.y * k};
}

// The chain as a polygon: lines as they are, arcs in steps of at most 2°.
std::vector<Vec2> Outline(const Chain& chain) {
    std::vector<Vec2> pts;
    for (const ChainElement& e : chain.elements) {
        const int steps = e.arc ? std::max(2, static_cast<int>(ElementSweep(e) / (M_PI / 90))) : 1;
        const double len = ElementLength(e);
        for (int k = 0; k < steps; ++k)
            pts.push_back(PointAlong(e, len * k / steps));
    }
    return pts;
}

struct Leads {
    std::vector<ChainElement> in, out;
};

// The leads at both ends of `path`, the tool on side `left` of travel. `engage` > 0: a straight
// move of that length first and last, on which the control switches its compensation.
Leads MakeLeads(const std::vector<ChainElement>& path, bool left, LeadKind kind, double size,
                double engage) {
    Leads l;
    const ChainElement &first = path.front(), &last = path.back();
    const Vec2 p{first.x1, first.y1}, q{last.x2, last.y2};
    const Vec2 t0 = ElementTangent(first, false), t1 = ElementTangent(last, true);
    const double s = left ? 1 : -1;
    const Vec2 n0{-t0.y * s, t0.x * s}, n1{-t1.y * s, t1.x * s};
    if (kind == LeadKind::Arc) {
        const Vec2 c0 = Add(p, n0, size), a = Add(c0, t0, -size);
        if (engage > 0) l.in.push_back(Line(Add(a, n0, engage), a));
        l.in.push_back(Arc(a, p, c0, size, left));
        const Vec2 c1 = Add(q, n1, size), b = Add(c1, t1, size);
        l.out.push_back(Arc(q, b, c1, size, left));
        if (engage > 0) l.out.push_back(Line(b, Add(b, n1, engage)));
    } else if (kind == LeadKind::Line || engage > 0) {
        const double len = kind == LeadKind::Line ? size : engage;
        l.in.push_back(Line(Add(p, n0, len), p));
        l.out.push_back(Line(q, Add(q, n1, len)));
    }
    return l;
}

double DistanceToPart(const std::vector<ChainElement>& part, Vec2 v) {
    double d = INFINITY;
    for (const ChainElement& e : part)
        d = std::min(d, DistanceToElement(e, v.x, v.y));
    return d;
}

// Whether a lead keeps clear of the part: its start at least `startClear` away, every other point
// but the one where it joins the contour at least `clear` away.
// On a closed part, every point must also lie on the tool's side (`inside`): a lead that crosses
// the part would cut it.
bool LeadClear(const std::vector<ChainElement>& lead, bool joinsAtEnd, const Chain& chain,
               std::optional<bool> inside, double startClear, double clear) {
    const std::vector<ChainElement>& part = chain.elements;
    if (lead.empty()) return true;
    const Vec2 outer =
        joinsAtEnd ? Vec2{lead.front().x1, lead.front().y1} : Vec2{lead.back().x2, lead.back().y2};
    if (DistanceToPart(part, outer) < startClear) return false;
    constexpr int kSamples = 64;
    for (std::size_t i = 0; i < lead.size(); ++i) {
        const double len = ElementLength(lead[i]);
        const bool joinElement = joinsAtEnd ? i + 1 == lead.size() : i == 0;
        for (int k = 0; k <= kSamples; ++k) {
            if (joinElement && k == (joinsAtEnd ? kSamples : 0)) continue;
            const Vec2 v = PointAlong(lead[i], len * k / kSamples);
            if (DistanceToPart(part, v) < clear) return false;
            if (inside && InsideChain(chain, v.x, v.y) != *inside) return false;
        }
    }
    return true;
}

}  // namespace

bool InsideChain(const Chain& chain, double x, double y) {
    const std::vector<Vec2> pts = Outline(chain);
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++)
        if ((pts[i].y > y) != (pts[j].y > y) &&
            x < (pts[j].x - pts[i].x) * (y - pts[i].y) / (pts[j].y - pts[i].y) + pts[i].x)
            inside = !inside;
    return inside;
}

double ChainArea(const Chain& chain) {
    double a = 0;
    for (const ChainElement& e : chain.elements) {
        a += (e.x1 * e.y2 - e.x2 * e.y1) / 2;
        if (e.arc) {
            const double th = ElementSweep(e);
            a += (e.ccw ? 1 : -1) * e.r * e.r * (th - std::sin(th)) / 2;
        }
    }
    return a;
}

ContourPlan PlanContour(const Chain& chain, const ContourOptions& o) {
    ContourPlan plan;
    if (chain.elements.empty()) return plan;
    const double r = o.toolDiameter / 2;
    std::vector<ChainElement> el = chain.elements;
    const bool on = o.side == ContourSide::On;
    // The tool's side as the chain is given, then the chain turned so that the tool is on the
    // side of travel the milling direction asks for.
    bool left = o.side == ContourSide::Left;
    if (chain.closed && (o.side == ContourSide::Outside || o.side == ContourSide::Inside))
        left = (ChainArea(chain) > 0) == (o.side == ContourSide::Inside);
    else if (o.side == ContourSide::Outside)
        left = true;
    const bool wantLeft = o.climb != o.spindleCcw;
    if (!on && left != wantLeft) {
        el = Reversed(el);
        left = wantLeft;
    }
    if (chain.closed) el = StartMidway(el);
    const bool control = !on && o.compensation == Compensation::Control;
    const bool computed = !on && o.compensation == Compensation::Computed;
    std::vector<ChainElement> path = el;
    if (computed) {
        const OffsetResult off = OffsetChain(Chain{el, chain.closed, false}, r,
                                             left ? OffsetSide::Left : OffsetSide::Right);
        if (off.path.empty()) {
            plan.refused = true;
            if (off.refusedElement >= 0)
                plan.refusedObject = el[static_cast<std::size_t>(off.refusedElement)].object;
            return plan;
        }
        path = off.path;
    }
    double overlap = o.overlap;
    if (control && chain.closed) {
        // The control reaches the contour only where the straight engage move's offset meets the
        // first element's: the overlap must cut what it passed by.
        const ChainElement& e = path.front();
        double missed = r;
        if (e.arc && e.ccw == left)
            missed = e.r > 2 * r ? e.r * std::asin(r / (e.r - r)) : ElementLength(e);
        overlap = std::max(overlap, 1.1 * missed);
    }
    if (chain.closed && overlap > 0) {
        double total = 0;
        for (const ChainElement& e : path)
            total += ElementLength(e);
        const std::vector<ChainElement> more = Prefix(path, std::min(overlap, total));
        path.insert(path.end(), more.begin(), more.end());
    }
    if (control) path = HalveFullTurns(path);
    Leads leads;
    if (!on && (o.lead != LeadKind::None || control)) {
        // Leads that would touch the part are made smaller; the control's never below the tool
        // diameter, which it needs to switch its compensation on and off.
        const double least = control ? o.toolDiameter : 0;
        const double engage = control ? o.toolDiameter : 0;
        const double clear = computed ? r * (1 - 1e-9) : 1e-9 * std::max(1.0, o.toolDiameter);
        const double startClear = control ? r : clear;
        std::optional<bool> toolInside;
        if (chain.closed) toolInside = left == (ChainArea(Chain{el, true, false}) > 0);
        bool found = false;
        // An arc that does not fit gives way to a line before the lead goes.
        for (LeadKind kind : {o.lead, LeadKind::Line}) {
            double size = std::max(o.leadSize, least);
            for (int tries = 0; tries < 12 && !found && size > 0;
                 ++tries, size = std::max(size / 2, least)) {
                leads = MakeLeads(path, left, kind, size, engage);
                found = LeadClear(leads.in, true, chain, toolInside, startClear, clear) &&
                        LeadClear(leads.out, false, chain, toolInside, startClear, clear);
            }
            if (found || kind == LeadKind::Line) break;
        }
        if (!found) {
            if (control) {
                plan.noRoomForLeads = true;
                plan.refused = true;
                return plan;
            }
            leads = {};
        }
    }
    plan.cut = leads.in;
    plan.cut.insert(plan.cut.end(), path.begin(), path.end());
    plan.cut.insert(plan.cut.end(), leads.out.begin(), leads.out.end());
    plan.moves = ContourMoves(plan.cut, o.tolerance);
    if (control && plan.moves.size() >= 3) {
        plan.moves[1].Comp = left ? kCompLeft : kCompRight;
        plan.moves.back().Comp = kCompOff;
    }
    return plan;
}

}  // namespace vt
