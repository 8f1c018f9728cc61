// The drawing database: document state of the current drawing.
#pragma once

#include <string>

namespace vt {

struct Drawing {
    bool Modified = false;
    bool HasFileName = false;
    std::string FileName;
};

}  // namespace vt
