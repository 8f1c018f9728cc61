// The hit tests of one mouse move over empty space (every test scans everything), at 32767 objects
// and 100000 snap points; baseline: a bare scan of the same coordinates for the nearest one.
#include <cmath>

#include "bench_support.h"
#include "commands/drawing_edit.h"
#include "view/hit_tests.h"
#include "view/view.h"

using namespace vt;
using namespace vt::bench;

int main(int argc, char** argv) {
    Session session;
    Program& p = *session.p;
    for (int n : kSizes) {
        auto prepare = [&p, n] { PartOnFullHdSurface(p, n); };
        const float x = -500, y = -500;  // below and left of the drawing
        Pair(
            "Hit tests of a mouse move", n,
            [&p, prepare, x, y](benchmark::State& st) {
                prepare();
                for (auto _ : st) {
                    benchmark::DoNotOptimize(CheckRitPointHit(p, x, y));
                    benchmark::DoNotOptimize(CheckPointHit(p, x, y));
                    benchmark::DoNotOptimize(CheckLineHit(p, x, y));
                    benchmark::DoNotOptimize(CheckArcHit(p, x, y));
                }
                st.counters["points"] = p.snaps.PointCount;
            },
            [&p, prepare, x, y](benchmark::State& st) {
                prepare();
                const Drawing& d = p.drawing;
                for (auto _ : st) {
                    double best = 1e300;
                    for (int i = 1; i <= d.ObjectCount; ++i) {
                        const RitObjekt& o = d.Obj(i);
                        const double ax = o.Typ == kCircle ? o.CX : o.X1;
                        const double ay = o.Typ == kCircle ? o.CY : o.Y1;
                        best = std::min(best, (ax - x) * (ax - x) + (ay - y) * (ay - y));
                    }
                    for (int i = 1; i <= p.snaps.PointCount; ++i) {
                        const SnapPoint& s = p.snaps.Pt(i);
                        best = std::min(best, (s.X - x) * (s.X - x) + (s.Y - y) * (s.Y - y));
                    }
                    benchmark::DoNotOptimize(best);
                }
            });
    }
    return RunAndReport(argc, argv);
}
