// The job file the engine reads: 33 header lines and one list-format record per move and mode
// marker.
#pragma once

#include <string>

#include "model/job_settings.h"
#include "model/toolpath.h"

namespace vt {

struct JobOptions {
    std::string machineFile;
    bool blockNumbers = false;
    bool comments = false;
    JobValues settings;  // written after the records as a [JOB] section when not empty
};

// A number as the job file writes it: rounded to 10 decimals, at most 15 significant digits, plain
// decimal notation with a point, integers without one.
std::string JobNumber(double v);

// The whole job file, lines ended by CR LF: the 33 header lines, the records, then the job
// settings, which the engine reads after the announced records.
std::string JobFileText(const ToolPath& path, const JobOptions& options);

}  // namespace vt
