// Measures of one contour element: its direction of travel, its length, a point along it, a cut
// in two, and how far a point lies from it.
#pragma once

#include "contour/chain.h"

namespace vt {

struct Vec2 {
    double x = 0, y = 0;
};

Vec2 UnitVec(double x, double y);
// The direction of travel at the start or the end of an element.
Vec2 ElementTangent(const ChainElement& e, bool atEnd);
// How far an arc turns, in (0, 2π] (a full circle 2π).
double ElementSweep(const ChainElement& e);
bool IsFullTurn(const ChainElement& e);
double ElementLength(const ChainElement& e);
// The point `s` along the element from its start (0 ≤ s ≤ length).
Vec2 PointAlong(const ChainElement& e, double s);
// The element cut `s` along from its start: the first part ends and the second begins there.
void SplitElement(const ChainElement& e, double s, ChainElement& first, ChainElement& second);
// The shortest distance from (x, y) to the element.
double DistanceToElement(const ChainElement& e, double x, double y);

}  // namespace vt
