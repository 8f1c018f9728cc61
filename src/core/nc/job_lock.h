// One NC generation at a time per program folder: the job file is held with an exclusive lock
// from writing it until the engine's result is read, so parallel runs (two --nc, two windows)
// wait for each other and never read another run's program.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vt {

class JobFileLock {
  public:
    // Opens (creates) the job file and waits for its lock; `keepWaiting(elapsedMs)` is asked
    // between tries and ends the wait when it returns false.
    JobFileLock(const std::string& path, const std::function<bool(int)>& keepWaiting);
    ~JobFileLock();
    JobFileLock(const JobFileLock&) = delete;
    JobFileLock& operator=(const JobFileLock&) = delete;

    bool Locked() const { return locked_; }
    // Replaces the file's content in place (the lock stays on the same file); false with the
    // error number in errnum when that failed.
    bool Write(std::string_view data, int* errnum);

  private:
    int fd_ = -1;
    bool locked_ = false;
};

}  // namespace vt
