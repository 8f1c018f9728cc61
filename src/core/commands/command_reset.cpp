// ResetOperation: the cancel every command start begins with.
#include "commands/command_reset.h"

#include "app/program.h"
#include "commands/drawing_edit.h"

namespace vt {

void ResetOperation(Program& p) {
    p.errorTrail.Push("ResetOperation()");
    CommandState& c = p.cmd;
    p.paintAbort = true;
    c.PluginPickIndex = -1;
    c.OpStep = 1;
    c.Operation = 255;
    c.InputMode = 0;
    c.FunctionTitle.clear();
    p.uiState.infoText.clear();
    p.uiState.inputFrameVisible = false;
    p.uiState.analysFrameVisible = false;
    p.view.ViewChanged = true;
    c.TypedInput = false;
    c.HasTypedXY = false;
    c.PickPoints = c.PickLines = c.PickArcs = false;
    c.RubberBox = false;
    CleanDeletedObjects(p);
    ClearObjectMarks(p);
    p.uiState.logoFrameVisible = true;
    p.uiState.surfaceCursor = SurfaceCursor::Cross;
    p.ui.StateChanged();
    p.ui.Refresh();
}

}  // namespace vt
