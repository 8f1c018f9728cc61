// DXF plane geometry.
#include "files/dxf_geometry.h"

#include <algorithm>
#include <cmath>

namespace vt::dxf {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Angle(Pt from, Pt to) {
    double a = std::atan2(to.y - from.y, to.x - from.x);
    return a < 0 ? a + 2 * kPi : a;
}

}  // namespace

Xform Xform::After(const Xform& in) const {
    return {a * in.a + b * in.c, a * in.b + b * in.d,     c * in.a + d * in.c,
            c * in.b + d * in.d, a * in.e + b * in.f + e, c * in.e + d * in.f + f};
}

bool Xform::Similarity(double& scale) const {
    const double s1 = std::hypot(a, c), s2 = std::hypot(b, d);
    const double dot = a * b + c * d;
    const double tol = 1e-12 * std::max({s1, s2, 1.0});
    if (s1 == 0 || std::fabs(s1 - s2) > tol || std::fabs(dot) > tol * std::max(s1, 1.0))
        return false;
    scale = s1;
    return true;
}

double Xform::MaxScale() const {
    return std::max(std::hypot(a, c), std::hypot(b, d));
}

Xform Xform::RotateDeg(double degrees) {
    const double r = degrees * kPi / 180, cs = std::cos(r), sn = std::sin(r);
    return {cs, -sn, sn, cs, 0, 0};
}

Xform OcsToWorld(double nx, double ny, double nz, double z) {
    const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (!(len > 0) || !std::isfinite(len)) return {};
    nx /= len;
    ny /= len;
    nz /= len;
    // The arbitrary axis rule of the format.
    double ax, ay, az;
    if (std::fabs(nx) < 1.0 / 64 && std::fabs(ny) < 1.0 / 64) {
        ax = nz;  // (0, 1, 0) × n
        ay = 0;
        az = -nx;
    } else {
        ax = -ny;  // (0, 0, 1) × n
        ay = nx;
        az = 0;
    }
    const double al = std::sqrt(ax * ax + ay * ay + az * az);
    ax /= al;
    ay /= al;
    az /= al;
    // Ay = n × Ax
    const double bx = ny * az - nz * ay, by = nz * ax - nx * az;
    return {ax, bx, ay, by, z * nx, z * ny};
}

Arc BulgeArc(Pt p, Pt q, double bulge) {
    const double cx = q.x - p.x, cy = q.y - p.y;
    const double k = (1 - bulge * bulge) / (4 * bulge);
    Arc arc;
    arc.centre = {(p.x + q.x) / 2 - k * cy, (p.y + q.y) / 2 + k * cx};
    arc.r = std::hypot(p.x - arc.centre.x, p.y - arc.centre.y);
    if (bulge > 0) {
        arc.a1 = Angle(arc.centre, p);
        arc.a2 = Angle(arc.centre, q);
    } else {
        arc.a1 = Angle(arc.centre, q);
        arc.a2 = Angle(arc.centre, p);
    }
    return arc;
}

Arc MapArc(const Arc& arc, const Xform& t, double scale) {
    Arc out;
    out.centre = t(arc.centre);
    out.r = arc.r * scale;
    if (arc.a1 == 0 && arc.a2 == 0) return out;
    const Pt s =
        t({arc.centre.x + arc.r * std::cos(arc.a1), arc.centre.y + arc.r * std::sin(arc.a1)});
    const Pt e =
        t({arc.centre.x + arc.r * std::cos(arc.a2), arc.centre.y + arc.r * std::sin(arc.a2)});
    if (t.Det() > 0) {
        out.a1 = Angle(out.centre, s);
        out.a2 = Angle(out.centre, e);
    } else {
        out.a1 = Angle(out.centre, e);
        out.a2 = Angle(out.centre, s);
    }
    if (out.a1 == 0 && out.a2 == 0) out.a2 = 2 * kPi;  // a whole turn drawn from 0, not "full"
    return out;
}

std::vector<Pt> EllipsePoints(Pt c, Pt major, Pt minor, double t0, double t1, double step) {
    std::vector<Pt> pts;
    if (!std::isfinite(t0) || !std::isfinite(t1) || !(step > 0)) return pts;
    if (!(t1 - t0 <= 2 * kPi)) t1 = t0 + 2 * kPi;  // more than a turn draws nothing new
    const int n = std::max(1, static_cast<int>(std::ceil((t1 - t0) / step - 1e-9)));
    for (int i = 0; i <= n; ++i) {
        const double t = i == n ? t1 : t0 + i * step;
        pts.push_back({c.x + std::cos(t) * major.x + std::sin(t) * minor.x,
                       c.y + std::cos(t) * major.y + std::sin(t) * minor.y});
    }
    return pts;
}

namespace {

// De Boor's algorithm in homogeneous coordinates.
Pt SplineAt(int p, const std::vector<double>& U, const std::vector<Pt>& P,
            const std::vector<double>& W, double t) {
    const int n = static_cast<int>(P.size()) - 1;
    // The knot span of t: the last k in [p, n] with U[k] <= t, found by halving.
    const auto first = U.begin() + p + 1, last = U.begin() + n + 1;
    const int k = p + static_cast<int>(std::upper_bound(first, last, t) - first);
    std::vector<double> x(static_cast<std::size_t>(p + 1)), y(x.size()), w(x.size());
    for (int j = 0; j <= p; ++j) {
        const std::size_t i = static_cast<std::size_t>(j + k - p);
        const double wi = W.empty() ? 1 : W[i];
        x[static_cast<std::size_t>(j)] = P[i].x * wi;
        y[static_cast<std::size_t>(j)] = P[i].y * wi;
        w[static_cast<std::size_t>(j)] = wi;
    }
    for (int r = 1; r <= p; ++r) {
        for (int j = p; j >= r; --j) {
            const double lo = U[static_cast<std::size_t>(j + k - p)],
                         hi = U[static_cast<std::size_t>(j + 1 + k - r)];
            const double alpha = hi > lo ? (t - lo) / (hi - lo) : 0;
            const std::size_t J = static_cast<std::size_t>(j);
            x[J] = (1 - alpha) * x[J - 1] + alpha * x[J];
            y[J] = (1 - alpha) * y[J - 1] + alpha * y[J];
            w[J] = (1 - alpha) * w[J - 1] + alpha * w[J];
        }
    }
    const std::size_t P_ = static_cast<std::size_t>(p);
    return w[P_] != 0 ? Pt{x[P_] / w[P_], y[P_] / w[P_]} : Pt{x[P_], y[P_]};
}

double DistanceToChord(Pt q, Pt a, Pt b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    if (len == 0) return std::hypot(q.x - a.x, q.y - a.y);
    double u = ((q.x - a.x) * dx + (q.y - a.y) * dy) / (len * len);
    u = std::clamp(u, 0.0, 1.0);
    return std::hypot(q.x - (a.x + u * dx), q.y - (a.y + u * dy));
}

}  // namespace

constexpr std::size_t kMaxSplinePoints = 32768;

std::vector<Pt> SplinePoints(int p, const std::vector<double>& U, const std::vector<Pt>& P,
                             const std::vector<double>& W, double tolerance) {
    const int n = static_cast<int>(P.size()) - 1;
    if (p < 1 || p > 10 || n < p || U.size() != static_cast<std::size_t>(n + p + 2)) return {};
    if (!W.empty() && W.size() != P.size()) return {};
    for (std::size_t i = 1; i < U.size(); ++i)
        if (!(U[i] >= U[i - 1])) return {};
    for (double w : W)
        if (!(w > 0)) return {};
    const double t0 = U[static_cast<std::size_t>(p)], t1 = U[static_cast<std::size_t>(n + 1)];
    if (!(t1 > t0)) return {};
    std::vector<Pt> out{SplineAt(p, U, P, W, t0)};
    // Each knot span (a polynomial piece, so a bend shows at its quarter points) is halved while
    // any of its quarter points lies off its chord by more than the tolerance. A drawing holds at
    // most 32767 objects: a curve with more spans than that is cut at evenly spaced spans, and no
    // piece is halved once the chain holds that many points.
    const double limit = tolerance / 2;
    std::vector<double> starts;
    for (int k = p; k <= n; ++k)
        if (U[static_cast<std::size_t>(k + 1)] > U[static_cast<std::size_t>(k)])
            starts.push_back(U[static_cast<std::size_t>(k)]);
    std::vector<double> cuts;
    const std::size_t spans = starts.size();
    const int perSpan = 1;
    const std::size_t every =
        std::max<std::size_t>(1, (spans + kMaxSplinePoints - 1) / kMaxSplinePoints);
    for (std::size_t i = 0; i < spans; i += every) {
        const double lo = starts[i], hi = i + every < spans ? starts[i + every] : t1;
        for (int j = 0; j < perSpan; ++j)
            cuts.push_back(lo + (hi - lo) * j / perSpan);
    }
    cuts.push_back(t1);
    struct Piece {
        double a, b;
        int depth;
    };
    std::vector<Piece> stack;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        stack.assign(1, {cuts[i], cuts[i + 1], 0});
        while (!stack.empty()) {
            const Piece s = stack.back();
            stack.pop_back();
            const Pt b = SplineAt(p, U, P, W, s.b);
            bool flat = s.depth >= 20 || out.size() >= kMaxSplinePoints;
            if (!flat) {
                const Pt a = SplineAt(p, U, P, W, s.a);
                flat = true;
                for (double f : {0.25, 0.5, 0.75})
                    flat = flat && DistanceToChord(SplineAt(p, U, P, W, s.a + (s.b - s.a) * f), a,
                                                   b) <= limit;
            }
            if (flat) {
                out.push_back(b);
            } else {
                const double m = (s.a + s.b) / 2;
                stack.push_back({m, s.b, s.depth + 1});
                stack.push_back({s.a, m, s.depth + 1});
            }
        }
    }
    return out;
}

}  // namespace vt::dxf
