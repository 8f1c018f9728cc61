// Shared parts of the benchmark programs.
#include "bench_support.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "commands/drawing_edit.h"
#include "view/view.h"

namespace vt::bench {

constexpr const char* kBaseline = " [baseline]";
constexpr std::size_t kBaselineLength = 11;

Session::Session() {
    char tmpl[] = "/tmp/vt-bench-XXXXXX";
    folder = ::mkdtemp(tmpl) ? tmpl : "/tmp";
    p = std::make_unique<Program>(ui, folder);
}

Session::~Session() {
    p.reset();
    std::error_code ec;
    if (folder != "/tmp") std::filesystem::remove_all(folder, ec);
}

const char* Name(Scene s) {
    switch (s) {
        case Scene::Lines:
            return "lines";
        case Scene::Circles:
            return "circles";
        default:
            return "mix";
    }
}

namespace {

RitObjekt Line(double x1, double y1, double x2, double y2) {
    RitObjekt o;
    o.Typ = kLine;
    o.X1 = x1, o.Y1 = y1, o.X2 = x2, o.Y2 = y2;
    return o;
}

RitObjekt Circle(double cx, double cy, double r) {
    RitObjekt o;
    o.Typ = kCircle;
    o.CX = cx, o.CY = cy, o.R = r;
    return o;
}

}  // namespace

void Generate(Program& p, Scene scene, int n) {
    NewDrawing(p);
    Drawing& d = p.drawing;
    const int perCell = scene == Scene::Lines ? 2 : scene == Scene::Circles ? 1 : 7;
    const int cells = (n + perCell - 1) / perCell;
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(cells))));
    d.Objects.assign(1, RitObjekt{});
    for (int k = 0; k < cells; ++k) {
        const double x = (k % side) * 10.0, y = (k / side) * 10.0;
        switch (scene) {
            case Scene::Lines:
                d.Objects.push_back(Line(x - 11, y, x + 11, y));
                d.Objects.push_back(Line(x, y - 11, x, y + 11));
                break;
            case Scene::Circles:
                d.Objects.push_back(Circle(x, y, 6));
                break;
            case Scene::Mix:
                d.Objects.push_back(Line(x, y, x + 8, y));
                d.Objects.push_back(Line(x + 8, y, x + 8, y + 6));
                d.Objects.push_back(Line(x + 8, y + 6, x, y + 6));
                d.Objects.push_back(Line(x, y + 6, x, y));
                d.Objects.push_back(Line(x, y, x + 8, y + 6));
                d.Objects.push_back(Circle(x + 4, y + 3, 2));
                d.Objects.push_back(Circle(x + 8, y + 6, 1));
                break;
        }
    }
    d.Objects.resize(static_cast<std::size_t>(n) + 1);
    d.ObjectCount = static_cast<int16_t>(n);
}

void AllSnapKinds(Program& p, bool intersecMore) {
    ProgramSettings& s = p.settings;
    s.LL = s.LC = s.CC = s.EP = s.CP = s.MP = s.QP = true;
    s.POD = false;
    s.IntersecMore = intersecMore ? 1 : 0;
    p.snaps.MaxPoints = 100'000'000;
}

void PartOnFullHdSurface(Program& p, int n) {
    Generate(p, Scene::Mix, n);
    AllSnapKinds(p, false);
    p.snaps.MaxPoints = 100'000;
    UpdatePoints(p);
    p.view.W = 1920;
    p.view.H = 1080;
    ZoomScreen(p, false);
}

void Pair(const std::string& figure, int size, std::function<void(benchmark::State&)> measured,
          std::function<void(benchmark::State&)> baseline) {
    const std::string name = figure + "/" + std::to_string(size);
    benchmark::RegisterBenchmark(name.c_str(), measured)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark((name + kBaseline).c_str(), baseline)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

namespace {

// Collects the runs and prints them as one table, each figure beside its baseline.
class TableReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred) {
                std::printf("%s: %s\n", r.benchmark_name().c_str(), r.error_message.c_str());
                continue;
            }
            std::string counters;
            for (const auto& [key, c] : r.counters)
                counters += " " + key + "=" + std::to_string(static_cast<long long>(c.value));
            std::string name = r.benchmark_name();
            for (const char* suffix : {"/real_time"})
                if (const auto at = name.find(suffix); at != std::string::npos)
                    name.erase(at, std::strlen(suffix));
            rows_.push_back({name, r.GetAdjustedRealTime(), counters});
        }
    }
    void Finalize() override {
        std::printf("%-38s %7s %12s %12s %10s  %s\n", "figure", "size", "time ms", "baseline ms",
                    "ratio", "notes");
        for (const Row& row : rows_) {
            if (row.name.size() >= kBaselineLength &&
                row.name.compare(row.name.size() - kBaselineLength, kBaselineLength, kBaseline) ==
                    0)
                continue;
            const Row* base = nullptr;
            for (const Row& other : rows_)
                if (other.name == row.name + kBaseline) base = &other;
            const std::size_t slash = row.name.rfind('/');
            const std::string figure = row.name.substr(0, slash), size = row.name.substr(slash + 1);
            if (base)
                std::printf("%-38s %7s %12.3f %12.3f %10.3f %s\n", figure.c_str(), size.c_str(),
                            row.ms, base->ms, row.ms / base->ms, row.counters.c_str());
            else
                std::printf("%-38s %7s %12.3f %12s %10s %s\n", figure.c_str(), size.c_str(), row.ms,
                            "-", "-", row.counters.c_str());
        }
        std::fflush(stdout);
    }

  private:
    struct Row {
        std::string name;
        double ms;
        std::string counters;
    };
    std::vector<Row> rows_;
};

}  // namespace

int RunAndReport(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}

}  // namespace vt::bench
