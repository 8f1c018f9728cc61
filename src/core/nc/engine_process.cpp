// posix_spawn with the working folder set, a process group of its own, standard error captured
// through a pipe.
#include "nc/engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "base/text_file.h"

extern char** environ;

namespace vt {

namespace {

// Reads what is available without blocking; keeps at most a few kilobytes of it. True at the end
// of the stream.
bool Drain(int fd, std::string& into) {
    char buf[1024];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) return true;
        if (n < 0) return errno != EAGAIN && errno != EINTR;
        if (into.size() < 4096) into.append(buf, static_cast<std::size_t>(n));
    }
}

// Kills the engine's process group and reaps the engine.
void KillGroup(pid_t pid) {
    ::kill(-pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

EngineRun RunEngine(const std::string& engine, const std::string& folder, int timeoutMs,
                    const KeepWaiting& keepWaiting) {
    EngineRun run;
    if (!FileExists(engine) || ::access(engine.c_str(), X_OK) != 0) {
        run.outcome = EngineOutcome::Missing;
        return run;
    }
    int pipeFd[2];
    if (::pipe2(pipeFd, O_CLOEXEC) != 0) {
        run.errorText = std::strerror(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFd[1], 2);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    std::string arg0 = engine;
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid = 0;
    int rc = ::posix_spawn(&pid, engine.c_str(), &actions, &attr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    ::close(pipeFd[1]);
    if (rc != 0) {
        ::close(pipeFd[0]);
        run.errorText = std::strerror(rc);
        return run;
    }
    ::fcntl(pipeFd[0], F_SETFL, O_NONBLOCK);
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    for (;;) {
        const bool closed = Drain(pipeFd[0], run.errorText);
        pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) {
            status = -1;
            break;
        }
        const int elapsed = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                 std::chrono::steady_clock::now() - start)
                                                 .count());
        const bool timedOut = elapsed >= timeoutMs;
        if (timedOut || (keepWaiting && !keepWaiting(elapsed))) {
            KillGroup(pid);
            ::close(pipeFd[0]);
            run.outcome = timedOut ? EngineOutcome::TimedOut : EngineOutcome::Cancelled;
            return run;
        }
        if (closed) {
            ::usleep(2000);
        } else {
            pollfd pfd{pipeFd[0], POLLIN, 0};
            ::poll(&pfd, 1, 10);
        }
    }
    Drain(pipeFd[0], run.errorText);
    ::close(pipeFd[0]);
    while (!run.errorText.empty() && (run.errorText.back() == '\n' || run.errorText.back() == '\r'))
        run.errorText.pop_back();
    run.outcome = status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0
                      ? EngineOutcome::Finished
                      : EngineOutcome::Failed;
    if (run.outcome == EngineOutcome::Failed && run.errorText.empty() && status >= 0 &&
        WIFSIGNALED(status))
        run.errorText = std::string("signal ") + std::to_string(WTERMSIG(status));
    return run;
}

}  // namespace vt
