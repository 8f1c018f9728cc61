// flock on the job file, polled so that the caller can keep its window alive.
#include "nc/job_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace vt {

JobFileLock::JobFileLock(const std::string& path, const std::function<bool(int)>& keepWaiting) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            locked_ = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        const int elapsed = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                 std::chrono::steady_clock::now() - start)
                                                 .count());
        if (keepWaiting && !keepWaiting(elapsed)) return;
        ::usleep(5000);
    }
}

JobFileLock::~JobFileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

bool JobFileLock::Write(std::string_view data, int* errnum) {
    *errnum = 0;
    if (::ftruncate(fd_, 0) != 0) {
        *errnum = errno;
        return false;
    }
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::pwrite(fd_, data.data() + done, data.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            *errnum = n < 0 ? errno : EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace vt
