// The four hit tests with their tolerances, scan orders and tie-breaks.
#include "view/hit_tests.h"

#include <cmath>

#include "app/program.h"
#include "geometry/primitives.h"

namespace vt {

int64_t RoundHalfEven(double v) {
    // Far beyond any surface (or not a number) the parity means nothing: even.
    if (!(std::fabs(v) < 1e18)) return 0;
    return static_cast<int64_t>(std::nearbyint(v));
}

int16_t CheckRitPointHit(const Program& p, float x, float y) {
    const Drawing& d = p.drawing;
    const double skala = p.view.Skala;
    double best = 99999;
    int16_t hit = -1;
    for (int i = d.ObjectCount; i >= 1; --i) {
        const RitObjekt& o = d.Obj(i);
        if (o.Typ != kRitPoint) continue;
        double dist = SegmentLength(x, y, o.X1, o.Y1) / skala;
        if (dist < 15 && dist < best) {
            best = dist;
            hit = static_cast<int16_t>(i);
        }
    }
    return hit;
}

int32_t CheckPointHit(const Program& p, float x, float y) {
    const double skala = p.view.Skala;
    double best = 99999;
    int32_t hit = -1;
    for (int i = 1; i <= p.snaps.PointCount; ++i) {
        const SnapPoint& s = p.snaps.Pt(i);
        double dist = SegmentLength(x, y, s.X, s.Y) / skala;
        if (dist < 15 && dist < best) {
            best = dist;
            hit = i;
        }
    }
    return hit;
}

int16_t CheckLineHit(const Program& p, float x, float y) {
    const Drawing& d = p.drawing;
    const double skala = p.view.Skala;
    const bool oddX = RoundHalfEven(x) % 2 != 0;
    double best = 9999;
    int16_t hit = -1;
    for (int i = d.ObjectCount; i >= 1; --i) {
        const RitObjekt& o = d.Obj(i);
        if (o.Typ != kLine) continue;
        double len = SegmentLength(o.X1, o.Y1, o.X2, o.Y2) / skala;
        double d1 = SegmentLength(x, y, o.X1, o.Y1) / skala;
        double d2 = SegmentLength(x, y, o.X2, o.Y2) / skala;
        double e = std::fabs(d1 + d2 - len);
        if (!(e <= 0.1 && e < 1)) continue;
        if (e < best || (e == best && oddX)) {
            best = e;
            hit = static_cast<int16_t>(i);
        }
    }
    return hit;
}

int16_t CheckArcHit(const Program& p, float x, float y) {
    const Drawing& d = p.drawing;
    const double skala = p.view.Skala;
    double best = 9999;
    int16_t hit = -1;
    for (int i = d.ObjectCount; i >= 1; --i) {
        const RitObjekt& o = d.Obj(i);
        if (o.Typ != kCircle) continue;
        double dc = SegmentLength(x, y, o.CX, o.CY) / skala;
        double diff = std::fabs(dc - o.R / skala);
        if (diff < 5 && diff < best) {
            best = diff;
            hit = static_cast<int16_t>(i);
        }
    }
    return hit;
}

}  // namespace vt
