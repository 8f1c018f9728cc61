// What the benchmark programs share: a quiet program in a folder of its own, the generated
// drawings (crossing lines, circles on a lattice, a repeated part) and the pairing of each figure
// with its baseline.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

#include "app/program.h"
#include "app/ui.h"
#include "quiet_ui.h"

namespace vt::bench {

// A program with a temporary program folder, removed with it.
struct Session {
    Session();
    ~Session();
    std::string File(const std::string& name) const { return folder + "/" + name; }
    std::string folder;
    QuietUi ui;
    std::unique_ptr<Program> p;
};

enum class Scene { Lines, Circles, Mix };
constexpr Scene kScenes[] = {Scene::Lines, Scene::Circles, Scene::Mix};
constexpr int kSizes[] = {1000, 8000, 32767};
const char* Name(Scene s);

// Replaces the drawing by n objects of the scene on a square lattice of cells 10 units apart:
// - Lines: in each cell a horizontal and a vertical line 22 long, crossing their neighbours;
// - Circles: a circle of radius 6 in each cell, cutting its four neighbours;
// - Mix: a small plate in each cell (four sides, a diagonal, a hole, a corner circle).
void Generate(Program& p, Scene scene, int n);

// Every snap-point kind on, nothing truncated.
void AllSnapKinds(Program& p, bool intersecMore);

// The part drawing of n objects with every snap kind on and 100 000 snap points at most, fitted
// to a 1920 x 1080 surface: what the paint and the hit tests are measured on.
void PartOnFullHdSurface(Program& p, int n);

// Registers "figure/size" and "figure/size [baseline]".
void Pair(const std::string& figure, int size, std::function<void(benchmark::State&)> measured,
          std::function<void(benchmark::State&)> baseline);

// Runs the registered benchmarks and prints the table: figure, size, time, baseline time and
// their ratio (wall-clock milliseconds per run).
int RunAndReport(int argc, char** argv);

}  // namespace vt::bench
