// Change scopes round user events, undo and redo, and what the window shows of the history.
#include "commands/history.h"

#include <algorithm>

#include "app/error_report.h"
#include "app/program.h"
#include "app/startup.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "nc/nc_code.h"

namespace vt {

namespace {

bool IsDelete(int16_t op) {
    return op == OP_DELETE_LINE || op == OP_DELETE_CIRCLE || op == OP_DELETE_POINT ||
           op == OP_DELETE_WINDOW;
}

// The menu items name what they would undo and redo.
void ShowHistory(Program& p) {
    ChangeHistory& h = p.changes;
    auto caption = [&](int text, bool any, const Change* c) {
        std::string s = p.language.GetText(text);
        if (any && c && !c->label.empty()) s += " " + c->label;
        return s;
    };
    const bool canUndo = h.done > 0, canRedo = h.done < h.changes.size();
    MenuItemState& undo = p.uiState.Menu("mnuUndo");
    undo.enabled = canUndo;
    undo.text = caption(1321, canUndo, canUndo ? &h.changes[h.done - 1] : nullptr);
    MenuItemState& redo = p.uiState.Menu("mnuRedo");
    redo.enabled = canRedo;
    redo.text = caption(1322, canRedo, canRedo ? &h.changes[h.done] : nullptr);
    p.uiState.SetButtonEnabled("tbr_delete", 5, canUndo);
}

void ShowModified(Program& p) {
    const ChangeHistory& h = p.changes;
    const bool modified = DiffersFromSaved(h);
    if (p.drawing.Modified != modified) {
        p.drawing.Modified = modified;
        SetMainCaption(p);
    }
}

void Walk(Program& p, bool undo) {
    ResetOperation(p);
    RecordChange(p, "");  // what cancelling the command changed comes first
    if (!StepHistory(p.changes, p.doc, undo)) return;
    UpdatePoints(p);
    p.view.ViewChanged = true;
    ShowHistory(p);
    ShowModified(p);
    p.ui.StateChanged();
    p.ui.Refresh();
    RegenerateNcIfShown(p);
}

}  // namespace

ChangeScope::ChangeScope(Program& p, std::string label) : p_(p), label_(std::move(label)) {
    if (p_.changes.depth++ == 0 && label_.empty()) label_ = p_.cmd.FunctionTitle;
}

ChangeScope::~ChangeScope() {
    if (--p_.changes.depth > 0) return;
    try {
        RecordChange(p_, label_);
    } catch (...) {
        // A change that cannot be recorded is not worth ending the program for.
    }
}

void RecordChange(Program& p, const std::string& label) {
    ChangeHistory& h = p.changes;
    if (!h.now) {
        ResetHistory(p);
        return;
    }
    // Most events change nothing (a pan, a key, a command started): compared in place, uncopied.
    const std::size_t depth = static_cast<std::size_t>(std::max(0, p.settings.UndoDepth));
    if (!RecordChange(h, p.doc, label, IsDelete(p.cmd.Operation), depth)) {
        ShowModified(p);
        return;
    }
    ShowHistory(p);
    ShowModified(p);
    p.ui.StateChanged();
}

void ResetHistory(Program& p) {
    // A drawing that opens modified (a template, an older drawing) stays so until it is saved.
    ResetHistory(p.changes, p.doc, p.drawing.Modified);
    ShowHistory(p);
}

void MarkSaved(Program& p) {
    MarkSaved(p.changes, p.doc);
    ShowModified(p);
}

void mnuUndo_Click(Program& p) {
    Guarded(p, "mnuUndo_Click()", [&] { Walk(p, true); });
}

void mnuRedo_Click(Program& p) {
    Guarded(p, "mnuRedo_Click()", [&] { Walk(p, false); });
}

}  // namespace vt
