// The job file the engine reads: 33 header lines and one list-format record per move and mode
// marker.
#pragma once

#include <string>

#include "nc/toolpath.h"

namespace vt {

struct JobOptions {
    std::string machineFile;
    bool blockNumbers = false;
    bool comments = false;
};

// A number as the job file writes it: rounded to 10 decimals, at most 15 significant digits, plain
// decimal notation with a point, integers without one.
std::string JobNumber(double v);

// The whole job file, lines ended by CR LF.
std::string JobFileText(const ToolPath& path, const JobOptions& options);

}  // namespace vt
