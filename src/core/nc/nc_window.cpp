// NC code window commands.
#include "nc/nc_window.h"

#include "app/error_report.h"
#include "app/number_format.h"
#include "app/program.h"
#include "base/text_file.h"
#include "commands/file_folders.h"
#include "nc/nc_code.h"
#include "view/printing.h"

namespace vt {

namespace {

void ShowWindow(Program& p) {
    GenNCCode(p);
    p.uiState.ncWindowVisible = true;
    ++p.uiState.ncWindowRaises;  // shown or not, the window comes to the front
    p.ui.StateChanged();
}

}  // namespace

std::vector<OperationRow> OperationRows(const Program& p) {
    static const char* const kNames[] = {"G0", "G01", "G02", "G03"};
    std::vector<OperationRow> rows;
    for (int i = 1; i <= p.toolPath.Count; ++i) {
        const ToolPathOp& o = p.toolPath.Op(i);
        if (o.Typ < 0 || o.Typ > 3) continue;
        // Rounded to ten decimals so construction noise (89.99999999999999) reads as the value;
        // with a decimal comma the two coordinates are set apart by "; ".
        const char* between = p.decimalSeparator == ',' ? "; " : ", ";
        rows.push_back(
            {std::to_string(i), kNames[o.Typ], Fmt(p, o.X, 10) + between + Fmt(p, o.Y, 10)});
    }
    return rows;
}

void mnuNCVisaNC_Click(Program& p) {
    ShowWindow(p);
}

void mnuSkirvNCkod_Click(Program& p) {
    ShowWindow(p);
    PrintNcCode(p);
}

void mnuSparaNCkod_Click(Program& p) {
    ShowWindow(p);
    Guarded(p, "mnuSparaNCkod()", [&] {
        FileDialogRequest r;
        r.save = true;
        r.title = p.language.GetText(1281);
        r.filter = "NC Program (*.nc)|*.nc|Heidenhain program (*.h)|*.h|Alla filer (*.*)|*.*";
        r.defaultExtension = "nc";
        r.initialFolder = StartFolder(p, FileKind::NcProgram);
        r.confirmOverwrite = true;
        FileDialogResult f = p.ui.FileDialog(r);
        if (f.chosen) RememberFolder(p, FileKind::NcProgram, f.path);
        if (!f.chosen || f.path.empty()) return;
        WriteFileOrThrow(f.path, p.uiState.ncCodeText + "\r\n");
    });
}

void cmdClipboard_Click(Program& p) {
    p.ui.SetClipboard(p.uiState.ncCodeText);
}

void cbBlockNummer_Click(Program& p, bool checked) {
    p.settings.BlockNumbers = checked;
}

void cbComments_Click(Program& p, bool checked) {
    p.settings.Comments = checked;
}

void SSTabNC_Click(Program& p) {
    GenNCCode(p);
}

void NcWindowClosed(Program& p) {
    p.uiState.ncWindowVisible = false;
    p.ui.StateChanged();
}

}  // namespace vt
