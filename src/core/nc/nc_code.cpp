// NC program generation: job file, engine run, result into the NC code window.
#include "nc/nc_code.h"

#include <algorithm>
#include <cstdio>

#include "app/error_report.h"
#include "app/program.h"
#include "app/text_file.h"
#include "nc/engine_process.h"
#include "nc/job_file.h"

namespace vt {

namespace {

constexpr int kEngineTimeoutMs = 30000;

// The program folder's engine, else the one installed beside the executable.
std::string EnginePath(const Program& p) {
    std::string own = p.paths.File("vtengine");
    if (FileExists(own) || p.enginePath.empty()) return own;
    return p.enginePath;
}

void ShowCode(Program& p, const std::string& text, std::size_t lines) {
    p.uiState.ncCodeText = text;
    p.uiState.ncStatusText = std::to_string(lines) + " rader";
    p.ui.StateChanged();
}

void EngineMessage(Program& p, const std::string& text) {
    p.ui.MessageBox(text, p.language.GetText(1066), MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace

void GenNCCode(Program& p) {
    Guarded(p, "GenNCCode()", [&] {
        const int index = p.uiState.ncMachineIndex;
        if (index < 0 || index >= static_cast<int>(p.uiState.ncMachines.size())) {
            ShowCode(p, "", 0);
            return;
        }
        JobOptions options;
        options.machineFile = p.machines[static_cast<std::size_t>(index + 1)].File;
        options.blockNumbers = p.settings.BlockNumbers;
        options.comments = p.settings.Comments;
        WriteFileOrThrow(p.paths.File("temp.pp"), JobFileText(p.toolPath, options));

        // An old result must never be shown as this run's.
        const std::string result = p.paths.File("pp.nc");
        std::remove(result.c_str());
        if (FileExists(result)) throw VtError(kErrPermissionDenied, "Permission denied: " + result);

        p.uiState.busyCursor = true;
        p.ui.StateChanged();
        const EngineRun run = RunEngine(EnginePath(p), p.paths.folder, kEngineTimeoutMs);
        p.uiState.busyCursor = false;
        ShowCode(p, "", 0);
        switch (run.outcome) {
            case EngineOutcome::Finished:
                break;
            case EngineOutcome::Missing:
                EngineMessage(p, p.language.GetText(2400));
                return;
            case EngineOutcome::TimedOut:
                EngineMessage(p, p.language.GetText(2401));
                return;
            default:
                EngineMessage(p, p.language.GetText(2402) + "\r\n" + run.errorText);
                return;
        }
        // An NC program is text: control bytes mean the engine wrote something else.
        std::string bytes;
        const bool isText =
            ReadFileBytes(result, bytes) && std::none_of(bytes.begin(), bytes.end(), [](char ch) {
                const auto c = static_cast<unsigned char>(ch);
                return c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f';
            });
        if (!isText) {
            EngineMessage(p, p.language.GetText(2402) + "\r\n" + result);
            return;
        }
        std::vector<std::string> lines;
        for (auto l : SplitLines(bytes))
            lines.push_back(DecodeLine(l));
        std::string text;
        for (const std::string& l : lines)
            text += l + "\r\n";
        ShowCode(p, text, lines.size());
    });
    p.uiState.busyCursor = false;
}

void RegenerateNcIfShown(Program& p) {
    if (p.uiState.ncWindowVisible) GenNCCode(p);
}

}  // namespace vt
