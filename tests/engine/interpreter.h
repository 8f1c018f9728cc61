// A real G-code interpreter as the judge of the engine's programs: LinuxCNC's stand-alone rs274
// runs a program and prints the canonical machine moves it would make, or refuses it. The moves
// are compared with the tool path as drawn.
#pragma once

#include <string>
#include <vector>

#include "contour/chain.h"
#include "model/toolpath.h"

namespace vt::test {

// One motion of the machine as rs274 reports it.
struct CanonMove {
    enum Kind { Traverse, Feed, Arc } kind = Traverse;
    double x = 0, y = 0, z = 0;     // end
    double sx = 0, sy = 0, sz = 0;  // start
    double cx = 0, cy = 0;          // arc centre
    int rotation = 0;               // arcs: +1 counter-clockwise, -1 clockwise
    double feed = 0;                // feed rate in force
};

struct Interpretation {
    bool ok = false;
    std::string error;  // the interpreter's complaint
    std::vector<CanonMove> moves;
    std::vector<std::string> messages;  // MESSAGE(...) and other operator output it produced
    std::vector<std::string> calls;     // every canonical call as printed, "SELECT_TOOL(7)"
};

// True when rs274 can be run (scripts/setup installs it).
bool HaveRs274();
// Runs `rs274 -g` on the program text.
Interpretation RunRs274(const std::string& program);

// The interpreter's cutting moves at the depth (feeds and arcs that start and end there) as
// contour elements.
std::vector<ChainElement> CuttingMoves(const Interpretation& run, double depth);

// What the drawn path asks of the machine, for the comparison.
struct PathCheck {
    double unit = 0.001;  // the output resolution
    double unitY = 0;     // of drawing Y where it differs (a lathe's diameter axis); 0: unit
    double safeZ = 5, depth = 1;
    bool heights =
        true;  // the engine moves Z: check rapids at safe height, cuts and drilling at depth
};

// Compares the interpreted moves in the plane with the drawn tool path: the same moves in the
// same order (moves shorter than the resolution left out), end points within one unit, arc
// centres within a few units, the same turning direction and sweep; rapids in the plane only at
// safe height, cutting at depth, drilling to depth at every NC point. Empty when all holds, else
// what differs.
std::string ComparePath(const ToolPath& path, const Interpretation& run, const PathCheck& check);

}  // namespace vt::test
