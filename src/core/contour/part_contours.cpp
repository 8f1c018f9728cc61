// Planning the contours of a whole part.
#include "contour/part_contours.h"

#include <cmath>

#include "contour/element_geometry.h"

namespace vt {

namespace {

std::vector<Chain> AllChains(const Drawing& d) {
    std::vector<Chain> chains;
    std::vector<bool> used(static_cast<std::size_t>(d.ObjectCount) + 1, false);
    for (int16_t i = 1; i <= d.ObjectCount; ++i) {
        if (used[static_cast<std::size_t>(i)]) continue;
        Chain c = FollowChain(d, i);
        if (c.elements.empty()) continue;
        bool fresh = true;
        for (const ChainElement& e : c.elements)
            fresh = fresh && !used[static_cast<std::size_t>(e.object)];
        for (const ChainElement& e : c.elements)
            used[static_cast<std::size_t>(e.object)] = true;
        // Past a branch a chain may run over elements another chain took: those are cut once.
        if (fresh) chains.push_back(c);
    }
    return chains;
}

}  // namespace

PartContours PlanPart(const Drawing& d, const ContourOptions& options) {
    PartContours out;
    const std::vector<Chain> chains = AllChains(d);
    const std::size_t n = chains.size();
    // inside[i][j]: chain i lies inside closed chain j (tested at the middle of its first
    // element, which is on no other chain).
    std::vector<std::vector<bool>> inside(n, std::vector<bool>(n, false));
    std::vector<int> depth(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const ChainElement& e = chains[i].elements.front();
        const Vec2 m = PointAlong(e, ElementLength(e) / 2);
        for (std::size_t j = 0; j < n; ++j)
            if (i != j && chains[j].closed && InsideChain(chains[j], m.x, m.y)) {
                inside[i][j] = true;
                ++depth[i];
            }
    }
    std::vector<ContourPlan> plans;
    for (std::size_t i = 0; i < n; ++i) {
        ContourOptions o = options;
        o.side = !chains[i].closed   ? ContourSide::On
                 : depth[i] % 2 == 0 ? ContourSide::Outside
                                     : ContourSide::Inside;
        ContourPlan plan = PlanContour(chains[i], o);
        if (plan.refused) {
            out.refused = true;
            out.refusal = plan;
            out.refusedChain = chains[i];
            return out;
        }
        plans.push_back(plan);
    }
    // Nearest next, but never a boundary before the chains inside it.
    std::vector<bool> done(n, false);
    double x = 0, y = 0;
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t best = n;
        double bestDistance = INFINITY;
        // Chains drawn across each other have no order of containment: then the nearest.
        for (int strict = 1; strict >= 0 && best == n; --strict)
            for (std::size_t i = 0; i < n; ++i) {
                if (done[i] || plans[i].moves.empty()) continue;
                bool ready = true;
                for (std::size_t j = 0; j < n && strict; ++j)
                    ready = ready && (done[j] || !inside[j][i]);
                const double dist = std::hypot(plans[i].moves[0].X - x, plans[i].moves[0].Y - y);
                if (ready && dist < bestDistance) {
                    bestDistance = dist;
                    best = i;
                }
            }
        if (best == n) break;
        done[best] = true;
        out.plans.push_back(plans[best]);
        x = plans[best].moves.back().X;
        y = plans[best].moves.back().Y;
    }
    return out;
}

}  // namespace vt
