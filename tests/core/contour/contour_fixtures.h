// Contours for the contour tests, and an independent way to measure paths against them: dense
// samples and the distance from a point to an element, written apart from the program's own.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "contour/chain.h"
#include "model/toolpath.h"

namespace vt::contour_fixtures {

inline constexpr double kTwoPiExact = 6.283185307179586;

inline ChainElement L(double x1, double y1, double x2, double y2) {
    ChainElement e;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

inline ChainElement A(double cx, double cy, double r, double a1Deg, double a2Deg, bool ccw) {
    ChainElement e;
    e.arc = true;
    e.cx = cx;
    e.cy = cy;
    e.r = r;
    e.ccw = ccw;
    const double a1 = a1Deg * kTwoPiExact / 360, a2 = a2Deg * kTwoPiExact / 360;
    e.x1 = cx + r * std::cos(a1);
    e.y1 = cy + r * std::sin(a1);
    e.x2 = cx + r * std::cos(a2);
    e.y2 = cy + r * std::sin(a2);
    return e;
}

inline double AngleOf(const ChainElement& e, double x, double y) {
    return std::atan2(y - e.cy, x - e.cx);
}

// The counter-clockwise span of an arc element as (start, sweep).
inline std::pair<double, double> Span(const ChainElement& e) {
    double a1 = AngleOf(e, e.x1, e.y1), a2 = AngleOf(e, e.x2, e.y2);
    if (!e.ccw) std::swap(a1, a2);
    double sweep = std::fmod(a2 - a1 + 2 * kTwoPiExact, kTwoPiExact);
    if (sweep <= 1e-12) sweep = kTwoPiExact;
    return {a1, sweep};
}

inline std::vector<std::pair<double, double>> Samples(const std::vector<ChainElement>& path) {
    std::vector<std::pair<double, double>> out;
    for (const ChainElement& e : path) {
        for (int k = 0; k <= 200; ++k) {
            const double t = k / 200.0;
            if (!e.arc) {
                out.push_back({e.x1 + t * (e.x2 - e.x1), e.y1 + t * (e.y2 - e.y1)});
                continue;
            }
            auto [a1, sweep] = Span(e);
            const double a = e.ccw ? a1 + t * sweep : a1 + sweep - t * sweep;
            out.push_back({e.cx + e.r * std::cos(a), e.cy + e.r * std::sin(a)});
        }
    }
    return out;
}

inline double Distance(const ChainElement& e, double x, double y) {
    if (!e.arc) {
        const double dx = e.x2 - e.x1, dy = e.y2 - e.y1, l2 = dx * dx + dy * dy;
        const double t =
            l2 > 0 ? std::clamp(((x - e.x1) * dx + (y - e.y1) * dy) / l2, 0.0, 1.0) : 0;
        return std::hypot(x - (e.x1 + t * dx), y - (e.y1 + t * dy));
    }
    auto [a1, sweep] = Span(e);
    const double a = std::fmod(AngleOf(e, x, y) - a1 + 2 * kTwoPiExact, kTwoPiExact);
    if (a <= sweep + 1e-12) return std::fabs(std::hypot(x - e.cx, y - e.cy) - e.r);
    return std::min(std::hypot(x - e.x1, y - e.y1), std::hypot(x - e.x2, y - e.y2));
}

inline Chain Closed(std::vector<ChainElement> e) {
    Chain c;
    c.elements = std::move(e);
    c.closed = true;
    return c;
}

inline Chain Backwards(Chain c) {
    std::vector<ChainElement> r;
    for (auto it = c.elements.rbegin(); it != c.elements.rend(); ++it)
        r.push_back(Reversed(*it));
    c.elements = r;
    return c;
}

// A 100 × 60 plate with R10 corners, counter-clockwise.
inline Chain Plate() {
    return Closed({L(10, 0, 90, 0), A(90, 10, 10, 270, 360, true), L(100, 10, 100, 50),
                   A(90, 50, 10, 0, 90, true), L(90, 60, 10, 60), A(10, 50, 10, 90, 180, true),
                   L(0, 50, 0, 10), A(10, 10, 10, 180, 270, true)});
}

// A slot 40 long, 12 wide: two lines and two half circles.
inline Chain Slot() {
    return Closed(
        {L(0, -6, 40, -6), A(40, 0, 6, 270, 450, true), L(40, 6, 0, 6), A(0, 0, 6, 90, 270, true)});
}

// An L-shaped plate: one inside corner, sharper than any tool.
inline Chain LShape() {
    return Closed({L(0, 0, 60, 0), L(60, 0, 60, 20), L(60, 20, 20, 20), L(20, 20, 20, 50),
                   L(20, 50, 0, 50), L(0, 50, 0, 0)});
}

// A hole: a full circle.
inline Chain Hole() {
    ChainElement e = A(0, 0, 8, 0, 0, true);
    return Closed({e});
}

// The path as the moves give it: each from where the one before ended, G3 counter-clockwise.
inline std::vector<ChainElement> FromMoves(const std::vector<ToolPathOp>& moves) {
    std::vector<ChainElement> out;
    for (std::size_t i = 1; i < moves.size(); ++i) {
        ChainElement e = L(moves[i - 1].X, moves[i - 1].Y, moves[i].X, moves[i].Y);
        if (moves[i].Typ == kG2 || moves[i].Typ == kG3) {
            e.arc = true;
            e.cx = moves[i].CX;
            e.cy = moves[i].CY;
            e.r = moves[i].R;
            e.ccw = moves[i].Typ == kG3;
        }
        out.push_back(e);
    }
    return out;
}

// Whether (x, y) lies inside the closed chain (ray crossing against its dense samples).
inline bool InsideOf(const Chain& c, double x, double y) {
    const auto s = Samples(c.elements);
    bool in = false;
    for (std::size_t i = 0, j = s.size() - 1; i < s.size(); j = i++)
        if ((s[i].second > y) != (s[j].second > y) &&
            x < (s[j].first - s[i].first) * (y - s[i].second) / (s[j].second - s[i].second) +
                    s[i].first)
            in = !in;
    return in;
}

// Whether (x, y) lies within `within` of a corner where two lines meet at an angle: a round tool
// cannot reach into such a corner from the inside.
inline bool NearSharpCorner(const Chain& part, double x, double y, double within) {
    const auto& e = part.elements;
    for (std::size_t i = 0; i < e.size(); ++i) {
        const ChainElement &a = e[i], &b = e[(i + 1) % e.size()];
        if (a.arc || b.arc) continue;  // the parts' arcs meet their neighbours tangentially
        if (std::hypot(x - a.x2, y - a.y2) < within) return true;
    }
    return false;
}

// What is wrong with a cut of the part by a tool of radius r, given as dense samples of the tool
// centre: a sample closer to the part than the radius, or a point of the part (but the inside of
// sharp corners) that no sample comes near enough to reach. Empty when the cut is right.
inline std::string CheckCut(const std::vector<Chain>& part,
                            const std::vector<std::pair<double, double>>& cuts, double r) {
    if (cuts.empty()) return "no cuts";
    for (const auto& [x, y] : cuts)
        for (const Chain& c : part)
            for (const ChainElement& e : c.elements)
                if (Distance(e, x, y) < r - 0.002)
                    return "the tool centre at " + std::to_string(x) + ", " + std::to_string(y) +
                           " is closer to the part than the tool radius";
    for (const Chain& c : part)
        for (const auto& [px, py] : Samples(c.elements)) {
            if (NearSharpCorner(c, px, py, r + 0.1)) continue;
            double nearest = HUGE_VAL;
            for (const auto& [x, y] : cuts)
                nearest = std::min(nearest, std::hypot(x - px, y - py));
            if (nearest > r + 0.05)
                return "the part at " + std::to_string(px) + ", " + std::to_string(py) +
                       " is not reached";
        }
    return "";
}

}  // namespace vt::contour_fixtures
