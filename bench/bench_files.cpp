// Reading a DXF file and reading and writing the native file of the generated part drawing;
// baselines: reading the same file line by line, and reading or writing its bytes at once.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "bench_support.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "files/dxf_reader.h"

using namespace vt;
using namespace vt::bench;

namespace {

// A DXF file of n entities: the part drawing's lines and circles, every third circle as an arc.
std::string DxfText(Program& p, int n) {
    Generate(p, Scene::Mix, n);
    std::ostringstream s;
    s << "0\nSECTION\n2\nENTITIES\n";
    for (int i = 1; i <= n; ++i) {
        const RitObjekt& o = p.drawing.Obj(i);
        if (o.Typ == kLine) {
            s << "0\nLINE\n8\n0\n10\n"
              << o.X1 << "\n20\n"
              << o.Y1 << "\n11\n"
              << o.X2 << "\n21\n"
              << o.Y2 << "\n";
        } else if (i % 3 == 0) {
            s << "0\nARC\n8\n0\n10\n"
              << o.CX << "\n20\n"
              << o.CY << "\n40\n"
              << o.R << "\n50\n0\n51\n270\n";
        } else {
            s << "0\nCIRCLE\n8\n0\n10\n" << o.CX << "\n20\n" << o.CY << "\n40\n" << o.R << "\n";
        }
    }
    s << "0\nENDSEC\n0\nEOF\n";
    return s.str();
}

std::string ReadAll(const std::string& name) {
    std::ifstream f(name, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

int main(int argc, char** argv) {
    Session session;
    Program& p = *session.p;
    for (int n : kSizes) {
        const std::string dxf = session.File("part" + std::to_string(n) + ".dxf");
        std::ofstream(dxf, std::ios::binary) << DxfText(p, n);
        Pair(
            "LoadDXF", n,
            [&p, dxf](benchmark::State& st) {
                for (auto _ : st) {
                    NewDrawing(p);
                    LoadDXF(p, dxf);
                }
                st.counters["objects"] = p.drawing.ObjectCount;
            },
            [dxf](benchmark::State& st) {
                for (auto _ : st) {
                    std::ifstream f(dxf);
                    std::string line;
                    std::size_t lines = 0;
                    while (std::getline(f, line))
                        ++lines;
                    benchmark::DoNotOptimize(lines);
                }
            });

        const std::string vgm = session.File("part" + std::to_string(n) + ".vgm");
        Generate(p, Scene::Mix, n);
        SaveGEO(p, vgm);
        const std::string bytes = ReadAll(vgm);
        Pair(
            "LoadGEO", n,
            [&p, vgm](benchmark::State& st) {
                for (auto _ : st) {
                    std::string name = vgm;
                    LoadGEO(p, name);
                }
                st.counters["objects"] = p.drawing.ObjectCount;
            },
            [vgm](benchmark::State& st) {
                for (auto _ : st)
                    benchmark::DoNotOptimize(ReadAll(vgm));
            });
        const std::string out = session.File("saved" + std::to_string(n) + ".vgm");
        Pair(
            "SaveGEO", n,
            [&p, n, out](benchmark::State& st) {
                Generate(p, Scene::Mix, n);
                for (auto _ : st)
                    benchmark::DoNotOptimize(SaveGEO(p, out));
            },
            [out, bytes](benchmark::State& st) {
                for (auto _ : st) {
                    std::ofstream f(out, std::ios::binary | std::ios::trunc);
                    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                }
            });
    }
    // One SPLINE of 200 000 control points (a digitised contour); baseline: reading its lines.
    const std::string spline = session.File("spline.dxf");
    {
        const int n = 200000;
        std::ofstream f(spline, std::ios::binary);
        f << "0\nSECTION\n2\nENTITIES\n0\nSPLINE\n70\n8\n71\n3\n72\n"
          << n + 4 << "\n73\n"
          << n << "\n";
        for (int i = 0; i < n + 4; ++i)
            f << "40\n" << std::clamp(i - 3, 0, n - 3) << "\n";
        for (int i = 0; i < n; ++i)
            f << "10\n" << i << "\n20\n" << (i % 2) * 3 << "\n30\n0\n";
        f << "0\nENDSEC\n0\nEOF\n";
    }
    Pair(
        "LoadDXF spline", 200000,
        [&p, spline](benchmark::State& st) {
            for (auto _ : st)
                LoadDXF(p, spline);
            st.counters["objects"] = p.drawing.ObjectCount;
        },
        [spline](benchmark::State& st) {
            for (auto _ : st) {
                std::ifstream f(spline);
                std::string line;
                std::size_t lines = 0;
                while (std::getline(f, line))
                    ++lines;
                benchmark::DoNotOptimize(lines);
            }
        });
    return RunAndReport(argc, argv);
}
