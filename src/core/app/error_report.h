// The one report of unexpected failures, and the routine boundary that gives it.
#pragma once

#include <string_view>

#include "base/error_trail.h"
#include "base/vt_error.h"

namespace vt {

class Program;
ErrorTrail& TrailOf(Program& p);

// Shows the report (title "Fel", OK and Cancel); Cancel ends the program at once. Otherwise
// sets the paint-abort flag and appends the report to error.log in the program folder.
void ReportError(Program& p, const VtError& e);

// A routine boundary: registers the name, runs the body, and reports any failure escaping it.
// Returns false when the body failed (its work is abandoned).
template <class Body>
bool Guarded(Program& p, std::string_view name, Body&& body) {
    TrailOf(p).Push(name);
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportError(p, ToVtError(e));
        return false;
    }
}

}  // namespace vt
