// The records of shapes: a drawing object (line, circle or arc, point) and a point derived from
// them, such as a snap point.
#pragma once

#include <cstdint>

namespace vt {

// Object kinds (Typ).
inline constexpr int16_t kLine = 1;
inline constexpr int16_t kCircle = 2;
inline constexpr int16_t kRitPoint = 3;

// One drawing object: a line, a circle or arc, or a drawing point. Fields a kind does not use are
// 0.
struct RitObjekt {
    int16_t Typ = 0;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double CX = 0, CY = 0, R = 0;
    double Reserved = 0;
    double StartAngle = 0, EndAngle = 0;  // radians; both 0 means a full circle
    bool Temp = false;
    bool Deleted = false;
    bool Selected = false;
    bool Highlight = false;
    int32_t Color = 0;

    bool operator==(const RitObjekt&) const = default;
};

// A derived point the user can snap to.
struct SnapPoint {
    double X = 0, Y = 0;
    int32_t Color = 0;
    int16_t Obj1 = 0, Obj2 = 0;
};

}  // namespace vt
