// Snap points: derived from a drawing's objects and the switches that choose their kinds.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/objects.h"
#include "model/drawing.h"

namespace vt {

// Which points a drawing offers, and their colours.
struct SnapSettings {
    bool LL = true, LC = true, CC = true;  // intersections line–line, line–circle, circle–circle
    bool EP = true, CP = true, MP = false, QP = false;  // end, centre, middle, quadrant points
    uint8_t IntersecMore = 0;                           // 1: lines meet along their whole extension
    int32_t EndpointColor = 255, MidpointColor = 16711935, QuadrantColor = 65280,
            CenterColor = 65535, IntersecColor = 65535;
};

// The table of snap points, 1-based: capacity MaxPoints, fixed for the run. The vector grows on
// demand up to it.
struct SnapTable {
    std::vector<SnapPoint> Points = std::vector<SnapPoint>(1);
    int32_t PointCount = 0;
    int32_t MaxPoints = 4000;

    SnapPoint& Pt(int i) { return Points[static_cast<std::size_t>(i)]; }
    const SnapPoint& Pt(int i) const { return Points[static_cast<std::size_t>(i)]; }
};

// Builds the table from scratch; false when it filled up before every point was added.
bool BuildSnapPoints(const Drawing& d, const SnapSettings& s, SnapTable& t);

// Adds the points object i offers by itself (end points, midpoint, centre, quadrant points);
// false once the table is full.
bool AddOwnPoints(const Drawing& d, const SnapSettings& s, int i, SnapTable& t);

// Appends a snap point; false (and nothing changed) when the table is full.
bool AddPoint(SnapTable& t, double x, double y, int32_t color, int16_t obj1, int16_t obj2);

}  // namespace vt
