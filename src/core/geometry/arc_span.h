// Part arcs: a circle record whose start and end angles differ shows only the span
// counter-clockwise from its start to its end. Which points of its circle lie on that span.
#pragma once

#include "geometry/objects.h"

namespace vt {

// A circle record drawn as a part arc (start and end angles differ).
inline bool IsPartArc(const RitObjekt& o) {
    return o.Typ == kCircle && o.StartAngle != o.EndAngle;
}

// The span counter-clockwise from `start` to `end`, in (0, 2π]; equal angles give a whole turn.
double ArcSweep(double start, double end);

// The point of the circle at the angle (the radius may be negative: the point is mirrored through
// the centre, as it is drawn).
SnapPoint PointAtAngle(const RitObjekt& arc, double angle);

// Whether a point of the arc's circle lies on its span, end angles included within the
// tolerance of geometry/tolerance.h. A full circle holds every point.
bool OnArcSpan(const RitObjekt& arc, double x, double y);

}  // namespace vt
