// NC program generation: job file, engine run, result into the NC code window.
#include "nc/nc_code.h"

#include <algorithm>
#include <cstdio>

#include "app/error_report.h"
#include "app/program.h"
#include "base/text_file.h"
#include "nc/engine_process.h"
#include "nc/job_edit.h"
#include "nc/job_file.h"
#include "nc/job_lock.h"

namespace vt {

namespace {

constexpr int kEngineTimeoutMs = 30000;
constexpr int kBusyAfterMs = 1000;

// The program folder's engine, else the one installed beside the executable.
std::string EnginePath(const Program& p) {
    std::string own = p.paths.File("vtengine");
    if (FileExists(own) || p.enginePath.empty()) return own;
    return p.enginePath;
}

void ShowCode(Program& p, const std::string& text, std::size_t lines) {
    p.uiState.ncCodeText = text;
    p.uiState.ncStatusText = std::to_string(lines) + p.language.GetText(1265);
    p.ui.StateChanged();
}

void EngineMessage(Program& p, const std::string& text) {
    p.ui.MessageBox(text, p.language.GetText(1066), MsgButtons::Ok, MsgIcon::Exclamation);
}

// The engine's program for the job, under the job file's lock: empty with `why` set when there is
// none. The lock and the busy indication end before anything is shown, so that a message left
// open never keeps another run waiting. Throws on file failures.
std::string RunUnderLock(Program& p, const JobOptions& options, std::string& why) {
    // The window stays painted; after a second the person sees that the engine works and may
    // cancel it.
    bool cancelled = false, tooLong = false;
    const std::string busyText = p.language.GetText(2403);
    auto keepWaiting = [&](int elapsedMs) {
        cancelled = cancelled || p.ui.KeepAlive(elapsedMs >= kBusyAfterMs, busyText);
        return !cancelled;
    };
    // Another run holds the folder at most for its engine's time.
    auto waitForLock = [&](int elapsedMs) {
        tooLong = elapsedMs > 2 * kEngineTimeoutMs;
        return !tooLong && keepWaiting(elapsedMs);
    };
    struct BusyEnd {
        Ui& ui;
        ~BusyEnd() { ui.EndBusy(); }
    } busyEnd{p.ui};

    JobFileLock lock(p.paths.File("temp.pp"), waitForLock);
    if (!lock.Locked()) {
        if (cancelled || tooLong) {
            why = p.language.GetText(cancelled ? 2404 : 2406);
            return "";
        }
        throw VtError(kErrPermissionDenied, "Permission denied: " + p.paths.File("temp.pp"));
    }
    int err = 0;
    if (!lock.Write(JobFileText(p.toolPath, options), &err))
        throw FileError(err, "cannot write " + p.paths.File("temp.pp"));

    // An old result must never be shown as this run's.
    const std::string result = p.paths.File("pp.nc");
    std::remove(result.c_str());
    if (FileExists(result)) throw VtError(kErrPermissionDenied, "Permission denied: " + result);

    p.uiState.busyCursor = true;
    p.ui.StateChanged();
    const EngineRun run = RunEngine(EnginePath(p), p.paths.folder, kEngineTimeoutMs, keepWaiting);
    p.uiState.busyCursor = false;
    switch (run.outcome) {
        case EngineOutcome::Finished:
            break;
        case EngineOutcome::Missing:
            why = p.language.GetText(2400);
            return "";
        case EngineOutcome::TimedOut:
            why = p.language.GetText(2401);
            return "";
        case EngineOutcome::Cancelled:
            why = p.language.GetText(2404);
            return "";
        default:
            why = p.language.GetText(2402) + "\r\n" + run.errorText;
            return "";
    }
    // An NC program is text: control bytes mean the engine wrote something else.
    std::string bytes;
    if (ReadWholeFile(result, bytes) == ReadStatus::TooLarge) {
        why = p.language.GetText(2324) + "\r\n" + result;
        return "";
    }
    const bool isText = !bytes.empty() && std::none_of(bytes.begin(), bytes.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f';
    });
    if (!isText) why = p.language.GetText(2402) + "\r\n" + result;
    return isText ? bytes : "";
}

// One generation: the job, the engine under the lock, then the program or the reason.
void Generate(Program& p) {
    const int index = p.uiState.ncMachineIndex;
    if (index < 0 || index >= static_cast<int>(p.uiState.ncMachines.size())) {
        ShowCode(p, "", 0);
        return;
    }
    JobOptions options;
    options.machineFile = p.machines[static_cast<std::size_t>(index + 1)].File;
    options.blockNumbers = p.settings.BlockNumbers;
    options.comments = p.settings.Comments;
    options.settings = JobForEngine(p);
    std::string why;
    const std::string bytes = RunUnderLock(p, options, why);
    ShowCode(p, "", 0);
    if (!why.empty()) return EngineMessage(p, why);
    std::vector<std::string> lines;
    for (auto l : SplitLines(bytes))
        lines.push_back(DecodeLine(l));
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    ShowCode(p, text, lines.size());
}

}  // namespace

void GenNCCode(Program& p) {
    // Events handled while the engine runs may ask for the code again: once more afterwards.
    if (p.ncGenerating) {
        p.ncRegenerate = true;
        return;
    }
    p.ncGenerating = true;
    do {
        p.ncRegenerate = false;
        Guarded(p, "GenNCCode()", [&] { Generate(p); });
        p.uiState.busyCursor = false;
    } while (p.ncRegenerate && !p.closing);
    p.ncGenerating = false;
}

void RegenerateNcIfShown(Program& p) {
    if (p.uiState.ncWindowVisible) GenNCCode(p);
}

}  // namespace vt
