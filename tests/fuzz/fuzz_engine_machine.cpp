// Fuzz target: the engine reading any machine definition and writing a job of every kind of move
// with it.
#include "fuzz_util.h"
#include "job.h"
#include "machine.h"
#include "nc/job_file.h"
#include "post.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vt::engine;
    static const Job job = [] {
        vt::ToolPath t;
        auto add = [&](int16_t typ, double x, double y, double cx, double cy, double r,
                       const char* text) {
            vt::ToolPathOp o;
            o.Typ = typ;
            o.X = x;
            o.Y = y;
            o.CX = cx;
            o.CY = cy;
            o.R = r;
            o.NCText = text;
            o.Label = "P" + std::to_string(t.Count + 1);
            t.Ops.push_back(o);
            ++t.Count;
        };
        add(0, 10, 0, 0, 0, 0, "");
        add(255, 10, 0, 0, 0, 0, "M3 S1000");
        add(1, 10, 10, 0, 0, 0, "");
        add(2, 20, 0, 10, 0, 10, "");
        add(9, 20, 0, 25, 0, 5, "");
        add(5, 30.1234, 2.5, 0, 0, 0, "");
        add(0, 0, 0, 0, 0, 0, "");
        return ParseJob(vt::JobFileText(t, {"x.vtp", true, true}));
    }();
    const std::string path = vt::fuzz::AsFile(data, size, "machine.vtp");
    try {
        (void)Generate(job, LoadMachine(path));
    } catch (const EngineError&) {
    }
    return 0;
}
