// The change history: recording by comparison, undo, redo and the state at the last save.
#include "model/change_history.h"

#include <algorithm>
#include <optional>

#include "base/text_file.h"

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

// The object as the history keeps it, or nothing for a candidate or a deleted object.
std::optional<RitObjekt> Kept(const RitObjekt& o) {
    if (o.Temp || o.Deleted) return std::nullopt;
    RitObjekt k = o;
    k.Selected = k.Highlight = false;
    return k;
}

}  // namespace

DrawingState CaptureState(const Document& doc) {
    DrawingState s;
    const Drawing& d = doc.drawing;
    s.objects.reserve(static_cast<std::size_t>(std::max<int>(0, d.ObjectCount)));
    for (int i = 1; i <= d.ObjectCount; ++i)
        if (auto o = Kept(d.Obj(i))) s.objects.push_back(*o);
    for (int i = 1; i <= doc.toolPath.Count; ++i)
        s.moves.push_back(doc.toolPath.Op(i));
    s.job = doc.job;
    return s;
}

bool SameState(const Document& doc, const DrawingState& st) {
    const ToolPath& t = doc.toolPath;
    if (doc.job != st.job || t.Count != static_cast<int>(st.moves.size())) return false;
    for (int i = 1; i <= t.Count; ++i)
        if (!(t.Op(i) == st.moves[static_cast<std::size_t>(i - 1)])) return false;
    std::size_t k = 0;
    for (int i = 1; i <= doc.drawing.ObjectCount; ++i)
        if (auto o = Kept(doc.drawing.Obj(i)))
            if (k >= st.objects.size() || !(*o == st.objects[k++])) return false;
    return k == st.objects.size();
}

void ApplyState(Document& doc, const DrawingState& st) {
    Drawing& d = doc.drawing;
    d.Objects.assign(1, RitObjekt{});
    d.Objects.insert(d.Objects.end(), st.objects.begin(), st.objects.end());
    d.ObjectCount = static_cast<int16_t>(st.objects.size());
    ToolPath& t = doc.toolPath;
    t.Ops.assign(1, ToolPathOp{});
    t.Ops.insert(t.Ops.end(), st.moves.begin(), st.moves.end());
    t.Count = static_cast<int16_t>(st.moves.size());
    doc.job = st.job;
}

bool RecordChange(ChangeHistory& h, const Document& doc, const std::string& label, bool deletion,
                  std::size_t depth) {
    if (SameState(doc, *h.now)) return false;
    DrawingState after = CaptureState(doc);
    const DrawingState& before = *h.now;
    Change c = MakeChange(before, after);
    c.label = std::string(Trim(label, " "));
    std::vector<RitObjekt> removed;
    if (deletion && before.moves == after.moves && before.job == after.job &&
        RemovedFrom(before.objects, after.objects, removed)) {
        // Undoing a deletion brings the objects back at the end of the table.
        c.objects.before = removed;
        c.objects.after.clear();
        c.objects.atEnd = true;
    }
    h.changes.resize(h.done);
    h.changes.push_back(std::move(c));
    if (h.changes.size() > depth)
        h.changes.erase(h.changes.begin(),
                        h.changes.begin() + static_cast<std::ptrdiff_t>(h.changes.size() - depth));
    h.done = h.changes.size();
    h.now = std::make_shared<DrawingState>(std::move(after));
    return true;
}

bool StepHistory(ChangeHistory& h, Document& doc, bool undo) {
    if (undo ? h.done == 0 : h.done >= h.changes.size()) return false;
    if (!h.now) h.now = std::make_shared<DrawingState>(CaptureState(doc));
    DrawingState st = *h.now;
    ApplyChange(st, h.changes[undo ? h.done - 1 : h.done], !undo);
    undo ? --h.done : ++h.done;
    ApplyState(doc, st);
    h.now = std::make_shared<DrawingState>(std::move(st));
    return true;
}

void ResetHistory(ChangeHistory& h, const Document& doc, bool openedModified) {
    h.changes.clear();
    h.done = 0;
    h.now = std::make_shared<DrawingState>(CaptureState(doc));
    h.saved = openedModified ? nullptr : h.now;
}

void MarkSaved(ChangeHistory& h, const Document& doc) {
    h.now = std::make_shared<DrawingState>(CaptureState(doc));
    h.saved = h.now;
}

bool DiffersFromSaved(const ChangeHistory& h) {
    return !h.saved || !h.now || (h.saved != h.now && !(*h.saved == *h.now));
}

}  // namespace vt
