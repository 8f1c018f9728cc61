// The undo history of the delete commands.
#pragma once

#include <cstdint>

namespace vt {

class Program;

// Pushes a copy of object `index` under the delete command's code and enables the undo command.
void AddUndo(Program& p, int16_t action, int index);

}  // namespace vt
