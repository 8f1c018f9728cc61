// The report of unexpected failures and error.log.
#include "app/error_report.h"

#include "app/program.h"
#include "base/language.h"
#include "base/text_file.h"

namespace vt {

ErrorTrail& TrailOf(Program& p) {
    return p.errorTrail;
}

void ReportError(Program& p, const VtError& e) {
    std::string text = BuildErrorReport(p.errorTrail, e.Number(), e.Description(), &p.language);
    if (p.ui.MessageBox(text, ReportText(&p.language, 1066), MsgButtons::OkCancel,
                        MsgIcon::Critical) == MsgAnswer::Cancel) {
        p.ui.EndProgram();
        return;
    }
    p.paintAbort = true;
    // A log that cannot be written is not reported.
    AppendToFile(p.paths.File("error.log"), text + "\r\n");
}

}  // namespace vt
