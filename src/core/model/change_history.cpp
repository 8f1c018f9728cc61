// The change history: recording by comparison, undo, redo and the modified flag.
#include "model/change_history.h"

#include <algorithm>
#include <optional>

#include "base/text_file.h"

#include "app/error_report.h"
#include "app/program.h"
#include "app/startup.h"
#include "commands/command_reset.h"
#include "commands/mode_table.h"
#include "model/snap_points.h"
#include "nc/nc_code.h"

namespace vt {

namespace {

template <typename T>
Splice<T> MakeSplice(const std::vector<T>& before, const std::vector<T>& after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    Splice<T> s;
    s.at = head;
    s.before.assign(before.begin() + head, before.end() - tail);
    s.after.assign(after.begin() + head, after.end() - tail);
    return s;
}

// Where `run` lies in `v`: at `hint` when it is there, else the last place it is found.
template <typename T>
std::optional<std::size_t> Find(const std::vector<T>& v, const std::vector<T>& run,
                                std::size_t hint) {
    auto at = [&](std::size_t i) {
        return i + run.size() <= v.size() && std::equal(run.begin(), run.end(), v.begin() + i);
    };
    if (at(hint)) return hint;
    if (run.size() > v.size()) return std::nullopt;
    for (std::size_t i = v.size() - run.size() + 1; i-- > 0;)
        if (at(i)) return i;
    return std::nullopt;
}

template <typename T>
void ApplySplice(std::vector<T>& v, const Splice<T>& s, bool forward) {
    const std::vector<T>& out = forward ? s.before : s.after;
    const std::vector<T>& in = forward ? s.after : s.before;
    std::size_t at = std::min(s.at, v.size());
    if (s.atEnd && !forward) {
        v.insert(v.end(), in.begin(), in.end());
        return;
    }
    if (s.atEnd) at = v.size() >= out.size() ? v.size() - out.size() : 0;
    if (auto found = Find(v, out, at)) {
        at = *found;
        v.erase(v.begin() + at, v.begin() + at + out.size());
    } else {
        // Not together any more: each entry where it is.
        for (const T& o : out)
            if (auto it = std::find(v.begin(), v.end(), o); it != v.end()) v.erase(it);
        at = std::min(at, v.size());
    }
    v.insert(v.begin() + at, in.begin(), in.end());
}

Change MakeChange(const DrawingState& before, const DrawingState& after) {
    Change s;
    s.objects = MakeSplice(before.objects, after.objects);
    s.moves = MakeSplice(before.moves, after.moves);
    s.jobBefore = before.job;
    s.jobAfter = after.job;
    return s;
}

void ApplyChange(DrawingState& st, const Change& s, bool forward) {
    ApplySplice(st.objects, s.objects, forward);
    ApplySplice(st.moves, s.moves, forward);
    st.job = forward ? s.jobAfter : s.jobBefore;
}

// The objects `after` keeps of `before`, in order, with the others: the ones a deletion removed.
bool RemovedFrom(const std::vector<RitObjekt>& before, const std::vector<RitObjekt>& after,
                 std::vector<RitObjekt>& removed) {
    std::size_t j = 0;
    removed.clear();
    for (const RitObjekt& o : before) {
        if (j < after.size() && after[j] == o)
            ++j;
        else
            removed.push_back(o);
    }
    return j == after.size() && !removed.empty();
}

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
    const bool modified = !h.saved || !h.now || (h.saved != h.now && !(*h.saved == *h.now));
    if (p.drawing.Modified != modified) {
        p.drawing.Modified = modified;
        SetMainCaption(p);
    }
}

// Puts the state into the tables; the snap points are rebuilt once.
void ApplyState(Program& p, const DrawingState& st) {
    Drawing& d = p.drawing;
    d.Objects.assign(1, RitObjekt{});
    d.Objects.insert(d.Objects.end(), st.objects.begin(), st.objects.end());
    d.ObjectCount = static_cast<int16_t>(st.objects.size());
    ToolPath& t = p.toolPath;
    t.Ops.assign(1, ToolPathOp{});
    t.Ops.insert(t.Ops.end(), st.moves.begin(), st.moves.end());
    t.Count = static_cast<int16_t>(st.moves.size());
    p.jobSettings = st.job;
    UpdatePoints(p);
    p.view.ViewChanged = true;
}

void Walk(Program& p, bool undo) {
    ChangeHistory& h = p.changes;
    ResetOperation(p);
    RecordChange(p, "");  // what cancelling the command changed comes first
    if (undo ? h.done == 0 : h.done >= h.changes.size()) return;
    if (!h.now) h.now = std::make_shared<DrawingState>(CaptureState(p));
    DrawingState st = *h.now;
    ApplyChange(st, h.changes[undo ? h.done - 1 : h.done], !undo);
    undo ? --h.done : ++h.done;
    ApplyState(p, st);
    h.now = std::make_shared<DrawingState>(std::move(st));
    ShowHistory(p);
    ShowModified(p);
    p.ui.StateChanged();
    p.ui.Refresh();
    RegenerateNcIfShown(p);
}

// The object as the history keeps it, or nothing for a candidate or a deleted object.
std::optional<RitObjekt> Kept(const RitObjekt& o) {
    if (o.Temp || o.Deleted) return std::nullopt;
    RitObjekt k = o;
    k.Selected = k.Highlight = false;
    return k;
}

bool Unchanged(const Program& p, const DrawingState& st) {
    if (p.jobSettings != st.job || p.toolPath.Count != static_cast<int>(st.moves.size()))
        return false;
    for (int i = 1; i <= p.toolPath.Count; ++i)
        if (!(p.toolPath.Op(i) == st.moves[static_cast<std::size_t>(i - 1)])) return false;
    std::size_t k = 0;
    for (int i = 1; i <= p.drawing.ObjectCount; ++i)
        if (auto o = Kept(p.drawing.Obj(i)))
            if (k >= st.objects.size() || !(*o == st.objects[k++])) return false;
    return k == st.objects.size();
}

}  // namespace

DrawingState CaptureState(const Program& p) {
    DrawingState s;
    const Drawing& d = p.drawing;
    s.objects.reserve(static_cast<std::size_t>(std::max<int>(0, d.ObjectCount)));
    for (int i = 1; i <= d.ObjectCount; ++i)
        if (auto o = Kept(d.Obj(i))) s.objects.push_back(*o);
    for (int i = 1; i <= p.toolPath.Count; ++i)
        s.moves.push_back(p.toolPath.Op(i));
    s.job = p.jobSettings;
    return s;
}

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
    if (Unchanged(p, *h.now)) {
        ShowModified(p);
        return;
    }
    DrawingState after = CaptureState(p);
    const DrawingState& before = *h.now;
    Change c = MakeChange(before, after);
    c.label = std::string(Trim(label, " "));
    std::vector<RitObjekt> removed;
    if (IsDelete(p.cmd.Operation) && before.moves == after.moves && before.job == after.job &&
        RemovedFrom(before.objects, after.objects, removed)) {
        // Undoing a deletion brings the objects back at the end of the table.
        c.objects.before = removed;
        c.objects.after.clear();
        c.objects.atEnd = true;
    }
    h.changes.resize(h.done);
    h.changes.push_back(std::move(c));
    const std::size_t depth = static_cast<std::size_t>(std::max(0, p.settings.UndoDepth));
    if (h.changes.size() > depth)
        h.changes.erase(h.changes.begin(),
                        h.changes.begin() + static_cast<std::ptrdiff_t>(h.changes.size() - depth));
    h.done = h.changes.size();
    h.now = std::make_shared<DrawingState>(std::move(after));
    ShowHistory(p);
    ShowModified(p);
    p.ui.StateChanged();
}

void ResetHistory(Program& p) {
    ChangeHistory& h = p.changes;
    h.changes.clear();
    h.done = 0;
    h.now = std::make_shared<DrawingState>(CaptureState(p));
    // A drawing that opens modified (a template, an older drawing) stays so until it is saved.
    h.saved = p.drawing.Modified ? nullptr : h.now;
    ShowHistory(p);
}

void MarkSaved(Program& p) {
    ChangeHistory& h = p.changes;
    h.now = std::make_shared<DrawingState>(CaptureState(p));
    h.saved = h.now;
    ShowModified(p);
}

void mnuUndo_Click(Program& p) {
    Guarded(p, "mnuUndo_Click()", [&] { Walk(p, true); });
}

void mnuRedo_Click(Program& p) {
    Guarded(p, "mnuRedo_Click()", [&] { Walk(p, false); });
}

}  // namespace vt
