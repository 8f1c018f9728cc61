// AddUndo and the undo command.
#include "model/undo.h"

#include "app/program.h"
#include "model/drawing_ops.h"

namespace vt {

namespace {

void SetUndoEnabled(Program& p, bool enabled) {
    p.uiState.Menu("mnuUndo").enabled = enabled;
    p.uiState.SetButtonEnabled("tbr_delete", 5, enabled);
    p.ui.StateChanged();
}

}  // namespace

void AddUndo(Program& p, int16_t action, int index) {
    p.errorTrail.Push("AddUndo()");
    Drawing& d = p.drawing;
    CheckCount(d.UndoCount);
    UndoRecord rec{action, d.Obj(index)};
    ++d.UndoCount;
    d.UndoList.resize(static_cast<std::size_t>(d.UndoCount) + 1);
    d.UndoList[static_cast<std::size_t>(d.UndoCount)] = rec;
    SetUndoEnabled(p, true);
}

void mnuUndo_Click(Program& p) {
    Guarded(p, "mnuUndo_Click()", [&] {
        Drawing& d = p.drawing;
        if (d.UndoCount > 0) {
            const RitObjekt o = d.UndoList[static_cast<std::size_t>(d.UndoCount)].Obj;
            const int16_t action = d.UndoList[static_cast<std::size_t>(d.UndoCount)].Action;
            // The entry goes even when its object cannot come back.
            --d.UndoCount;
            d.UndoList.resize(static_cast<std::size_t>(d.UndoCount) + 1);
            if (d.UndoCount == 0) SetUndoEnabled(p, false);
            switch (action) {
                case 80:
                    AddLine(p, o.X1, o.Y1, o.X2, o.Y2, false, false, false);
                    break;
                case 81: {
                    double r = o.R;
                    AddArc(p, o.CX, o.CY, o.StartAngle, o.EndAngle, r, false, false, false);
                    break;
                }
                case 82:
                    AddRitPoint(p, o.X1, o.Y1, false, false, false);
                    break;
                default:
                    break;
            }
        } else {
            SetUndoEnabled(p, false);
        }
        p.view.ViewChanged = true;
        p.ui.Refresh();
    });
}

}  // namespace vt
