// GenNCCode with the engine for a tool path of 10000 moves (lines and half circles); baseline:
// the same for a single move, which is the cost of starting the engine.
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "bench_support.h"
#include "nc/nc_code.h"

using namespace vt;
using namespace vt::bench;

namespace {

void Path(Program& p, int moves) {
    ToolPath& t = p.toolPath;
    t.Ops.assign(1, ToolPathOp{});
    double x = 0, y = 0;
    for (int k = 0; k < moves; ++k) {
        ToolPathOp o;
        if (k % 2 == 0) {
            o.Typ = kG1;
            x += 10;
        } else {
            o.Typ = kG3;
            o.CX = x;
            o.CY = y + 5;
            o.R = 5;
            y += 10;
        }
        o.X = x;
        o.Y = y;
        o.Label = "P" + std::to_string(k + 1);
        t.Ops.push_back(o);
    }
    t.Count = static_cast<int16_t>(moves);
}

}  // namespace

int main(int argc, char** argv) {
    Session session;
    Program& p = *session.p;
    std::filesystem::create_directory(session.File("POST"));
    std::filesystem::copy_file(std::string(VT_POST_DIR) + "/iso_fanuc_mill.vtp",
                               session.File("POST/iso_fanuc_mill.vtp"));
    std::ofstream(session.File("veltrum32.ini")) << "[Program]\r\nMaskinAsk=False\r\n";
    MainWindowLoad(p, "");
    auto run = [&p](int moves) {
        return [&p, moves](benchmark::State& st) {
            Path(p, moves);
            for (auto _ : st)
                GenNCCode(p);
            st.counters["chars"] = static_cast<double>(p.uiState.ncCodeText.size());
        };
    };
    Pair("GenNCCode and engine", 10000, run(10000), run(1));
    return RunAndReport(argc, argv);
}
