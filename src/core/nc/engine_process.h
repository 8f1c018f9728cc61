// Running the post-processor engine as a separate process and waiting for it.
#pragma once

#include <string>

namespace vt {

enum class EngineOutcome { Finished, Missing, NotStarted, TimedOut, Failed };

struct EngineRun {
    EngineOutcome outcome = EngineOutcome::NotStarted;
    std::string errorText;  // what the engine wrote to standard error, or why it did not run
};

// Starts `engine` without arguments in `folder` and waits at most timeoutMs for it to end; a
// process still running then is killed. Finished means exit status 0.
EngineRun RunEngine(const std::string& engine, const std::string& folder, int timeoutMs);

}  // namespace vt
