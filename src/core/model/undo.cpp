// AddUndo: the list of deleted objects. Undoing them is the change history's.
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

}  // namespace vt
