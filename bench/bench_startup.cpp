// Start-up of the window program without the splash, to the main window shown; baseline: a bare Qt
// program showing an empty main window. Both run as new processes on the offscreen platform and
// quit as soon as their window is shown.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/program_folder.h"
#include "bench_support.h"

extern char** environ;

using namespace vt::bench;

namespace {

void Run(benchmark::State& st, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VELTRUM32_EXIT_WHEN_SHOWN", "1", 1);
    // The platform's notes on standard error are not part of the figure.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    for (auto _ : st) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) != 0) {
            st.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            st.SkipWithError("the program did not end cleanly");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
}

}  // namespace

int main(int argc, char** argv) {
    Session session;
    std::ofstream(session.File("veltrum32.ini")) << "[Program]\r\nMaskinAsk=False\r\n";
    const std::string dir = vt::ExecutableDir();
    const std::string program = dir + "/veltrum32", bare = dir + "/bench_bare_window";
    const std::string home = session.folder;
    Pair(
        "Start-up to the window", 1,
        [program, home](benchmark::State& st) {
            Run(st, {program, "--no-splash", "--home", home});
        },
        [bare](benchmark::State& st) { Run(st, {bare}); });
    return RunAndReport(argc, argv);
}
