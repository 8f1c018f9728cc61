// Running the post-processor engine as a separate process and waiting for it.
#pragma once

#include <functional>
#include <string>

namespace vt {

enum class EngineOutcome { Finished, Missing, NotStarted, TimedOut, Cancelled, Failed };

struct EngineRun {
    EngineOutcome outcome = EngineOutcome::NotStarted;
    std::string errorText;  // what the engine wrote to standard error, or why it did not run
};

// Called while the engine runs with the milliseconds since it started; false cancels the run.
using KeepWaiting = std::function<bool(int elapsedMs)>;

// Starts `engine` without arguments in `folder`, in a process group of its own, and waits at most
// timeoutMs for it to end. A run that times out or is cancelled ends with the whole group killed
// (whatever the engine started goes with it). Finished means exit status 0.
EngineRun RunEngine(const std::string& engine, const std::string& folder, int timeoutMs,
                    const KeepWaiting& keepWaiting = {});

}  // namespace vt
