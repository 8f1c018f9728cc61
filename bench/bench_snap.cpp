// UpdatePoints on the generated drawings, every snap kind on, with and without IntersecMore;
// baseline: the pair-by-pair search.
#include "bench_support.h"
#include "commands/drawing_edit.h"
#include "reference/snap_points_reference.h"

using namespace vt;
using namespace vt::bench;

int main(int argc, char** argv) {
    Session session;
    Program& p = *session.p;
    for (Scene scene : kScenes) {
        for (bool more : {false, true}) {
            for (int n : kSizes) {
                auto run = [&p, scene, n, more](auto update) {
                    return [&p, scene, n, more, update](benchmark::State& st) {
                        Generate(p, scene, n);
                        AllSnapKinds(p, more);
                        update(p);  // the table grows once to its size, as in a session
                        for (auto _ : st)
                            update(p);
                        st.counters["points"] = p.snaps.PointCount;
                    };
                };
                Pair(std::string("UpdatePoints ") + Name(scene) + (more ? " more" : ""), n,
                     run([](Program& q) { UpdatePoints(q); }),
                     run([](Program& q) { ReferenceUpdatePoints(q); }));
            }
        }
    }
    return RunAndReport(argc, argv);
}
