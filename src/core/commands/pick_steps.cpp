// GetPoint, GetLine, GetArc and the endings of a construction.
#include "commands/pick_steps.h"

#include <cmath>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/value_input.h"
#include "view/hit_tests.h"
#include "view/renderer.h"

namespace vt {

int RoundCount(double v) {
    double r = std::nearbyint(v);
    if (!(r > -1e6)) return -1000000;
    if (r > 1e6) return 1000000;
    return static_cast<int>(r);
}

bool GetPoint(Program& p, float x, float y, int16_t step, bool free) {
    CommandState& c = p.cmd;
    if (c.OpStep != step) return false;
    const int16_t ritPoint = CheckRitPointHit(p, x, y);
    const int32_t snap = CheckPointHit(p, x, y);
    StepPoint& sp = c.Step(c.OpStep);
    if (ritPoint >= 0 && !c.TypedInput) {
        sp = StepPoint{p.drawing.Obj(ritPoint).X1, p.drawing.Obj(ritPoint).Y1, 0};
    } else if (!free && !c.TypedInput) {
        if (snap < 0) {
            c.TypedInput = false;
            return false;
        }
        sp = StepPoint{p.snaps.Pt(snap).X, p.snaps.Pt(snap).Y, 0};
    } else if (c.HasTypedXY && c.TypedInput) {
        sp = StepPoint{c.TypedX, c.TypedY, 0};
    } else {
        sp = StepPoint{x, y, 0};
    }
    DrawPoint(p, p.overlay, sp.X, sp.Y, p.settings.TempColor);
    p.ui.OverlayChanged();
    ++c.OpStep;
    ShowStepPrompt(p);
    c.TypedInput = false;
    return true;
}

namespace {

bool TakeElement(Program& p, int16_t index, int16_t step) {
    CommandState& c = p.cmd;
    if (c.OpStep != step || index < 0) return false;
    c.Elem(c.OpStep) = index;
    ++c.OpStep;
    p.drawing.Obj(index).Selected = true;
    ShowStepPrompt(p);
    p.ui.Refresh();
    return true;
}

}  // namespace

bool GetLine(Program& p, float x, float y, int16_t step) {
    return p.cmd.OpStep == step && TakeElement(p, CheckLineHit(p, x, y), step);
}

bool GetArc(Program& p, float x, float y, int16_t step) {
    return p.cmd.OpStep == step && TakeElement(p, CheckArcHit(p, x, y), step);
}

namespace {

void ResetStepState(Program& p) {
    CommandState& c = p.cmd;
    c.OpStep = 1;
    c.TypedInput = false;
    p.view.ViewChanged = true;
    c.RubberBox = false;
    c.PickPoints = c.PickLines = c.PickArcs = false;
}

}  // namespace

void ContinueCommand(Program& p, int16_t pickKind, int16_t inputMode) {
    ResetStepState(p);
    ShowStepPrompt(p);
    p.ui.Refresh();
    LookFor(p, pickKind);
    if (inputMode >= 0) p.cmd.InputMode = inputMode;
    p.ui.StateChanged();
}

void EnterKeepMode(Program& p, int16_t keepCode) {
    ResetStepState(p);
    CommandState& c = p.cmd;
    c.OpStep = keepCode == OP_KEEP_LINES ? 3 : 4;
    ShowStepPrompt(p);
    p.ui.Refresh();
    c.InputMode = 0;
    c.Operation = keepCode;
    LookFor(p, keepCode == OP_KEEP_LINES ? 1 : keepCode == OP_KEEP_CIRCLES ? 2 : 3);
    p.ui.StateChanged();
}

void AskValues(Program& p, int16_t inputMode) {
    p.cmd.InputMode = inputMode;
    std::string a, b, c;
    ValueInput(p, a, b, c);
}

}  // namespace vt
