// The job settings of the open drawing as the NC window edits them, and what the engine gets.
#pragma once

#include <string>
#include <vector>

#include "model/job_settings.h"

namespace vt {

class Program;

struct JobFieldState {
    const JobField* field = nullptr;
    std::string value;         // the drawing's own value; empty: the machine's
    std::string machineValue;  // what an empty field means
    bool applies = true;       // false where the chosen machine has no use for it (a lathe's Z)
};

// The fields in the window's order.
std::vector<JobFieldState> JobFieldStates(const Program& p);
// The values the chosen machine gives a drawing without its own.
JobValues MachineJobValues(const Program& p);
// What the job file carries: the drawing's values, and its file name as the program name when it
// sets none.
JobValues JobForEngine(const Program& p);

// The person typed `text` into a field: an empty text returns to the machine's value, a valid one
// becomes the drawing's (the drawing is then modified), an invalid one is refused with a message.
// True when the value was taken.
bool SetJobValue(Program& p, const std::string& key, const std::string& text);
// Every field back to the machine's value.
void ResetJobValues(Program& p);

}  // namespace vt
