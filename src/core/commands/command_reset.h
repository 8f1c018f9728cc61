// Cancelling the running command.
#pragma once

namespace vt {

class Program;

// Ends any command: idle mode, frames hidden, unkept candidates removed, marks cleared, repaint.
void ResetOperation(Program& p);

}  // namespace vt
