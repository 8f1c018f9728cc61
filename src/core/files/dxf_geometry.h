// The geometry DXF needs beyond the drawing's own: plane transforms (blocks, mirrored extrusion),
// polyline bulges, elliptical arcs and splines as point chains. Pure functions.
#pragma once

#include <vector>

namespace vt::dxf {

struct Pt {
    double x = 0, y = 0;
};

// x' = a·x + b·y + e, y' = c·x + d·y + f.
struct Xform {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Pt operator()(Pt p) const { return {a * p.x + b * p.y + e, c * p.x + d * p.y + f}; }
    // This transform applied after `inner`.
    Xform After(const Xform& inner) const;
    double Det() const { return a * d - b * c; }
    // True when it keeps circles circles (a rotation, uniform scale and perhaps a mirror); scale is
    // then the uniform factor.
    bool Similarity(double& scale) const;
    // The largest stretch of a length.
    double MaxScale() const;
    bool Identity() const { return a == 1 && b == 0 && c == 0 && d == 1 && e == 0 && f == 0; }

    static Xform Translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Xform Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Xform RotateDeg(double degrees);
};

// The plane of an entity's object coordinates (extrusion n) seen from the drawing's +Z, at height
// z along n. (0, 0, 1) is the identity; (0, 0, −1) mirrors x.
Xform OcsToWorld(double nx, double ny, double nz, double z = 0);

// A circular arc: centre, radius, counter-clockwise from a1 to a2 (radians).
struct Arc {
    Pt centre;
    double r = 0, a1 = 0, a2 = 0;
};
// The arc of a polyline segment from p to q with bulge b (b ≠ 0; negative runs clockwise from p).
Arc BulgeArc(Pt p, Pt q, double bulge);

// An arc carried through a similarity: centre and radius mapped, the angles so that it still runs
// counter-clockwise (a mirror swaps its ends). A full circle (a1 == a2 == 0) stays full.
Arc MapArc(const Arc& arc, const Xform& t, double scale);

// Points of the elliptical arc c + cos t·major + sin t·minor for t from t0 to t1 (t1 > t0), in
// steps of at most `step` radians, the last point exactly at t1.
std::vector<Pt> EllipsePoints(Pt c, Pt major, Pt minor, double t0, double t1, double step);

// A spline (NURBS) as a chain of points whose chords stay within `tolerance` of the curve. Empty
// when the data do not make a spline (too few points, knots not fitting the degree).
std::vector<Pt> SplinePoints(int degree, const std::vector<double>& knots,
                             const std::vector<Pt>& control, const std::vector<double>& weights,
                             double tolerance);

}  // namespace vt::dxf
