// One drawing as a value: everything that belongs to it and is saved with it. Copied, compared,
// read and written without anything else of the program.
#pragma once

#include "model/drawing.h"
#include "model/job_settings.h"
#include "model/toolpath.h"

namespace vt {

struct Document {
    Drawing drawing;    // the objects and the file state
    ToolPath toolPath;  // the moves laid on it
    JobValues job;      // its job settings
};

}  // namespace vt
