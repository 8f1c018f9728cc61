// One history of the changes to a document's drawing, tool path and job settings: a change is the
// difference of the tables before and after it. Undo and redo walk it; the drawing is modified
// exactly when its tables differ from the last save.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "geometry/objects.h"
#include "model/document.h"
#include "model/job_settings.h"
#include "model/toolpath.h"

namespace vt {

// The tables as the user sees them: kept objects (no candidates, nothing marked deleted, no
// selection marks), the tool path and the job settings.
struct DrawingState {
    std::vector<RitObjekt> objects;  // from index 1
    std::vector<ToolPathOp> moves;   // from index 1
    JobValues job;
    bool operator==(const DrawingState&) const = default;
};

// What one change did to a table: the entries between an unchanged head and tail, before and
// after. The entries are found by content where the table has since changed order (a deletion
// undone puts its objects at the end).
template <typename T>
struct Splice {
    std::size_t at = 0;
    std::vector<T> before, after;
    bool atEnd = false;  // a deletion: undone, `before` comes back at the end of the table
};

// One change, for all three tables.
struct Change {
    std::string label;  // the command it came from, for the menu
    Splice<RitObjekt> objects;
    Splice<ToolPathOp> moves;
    JobValues jobBefore, jobAfter;
};

struct ChangeHistory {
    std::vector<Change> changes;
    std::size_t done = 0;                 // changes[0 .. done) are in the drawing
    std::shared_ptr<DrawingState> now;    // the tables after the last change (or the reset)
    std::shared_ptr<DrawingState> saved;  // the tables at the last save or opening
    int depth = 0;                        // events running inside each other
};

// The tables of a document as the history keeps them.
DrawingState CaptureState(const Document& doc);
// Whether the document's tables are those of the state (compared in place, nothing copied).
bool SameState(const Document& doc, const DrawingState& st);
// Puts the state into the document's tables.
void ApplyState(Document& doc, const DrawingState& st);

// Records what changed since the last known state as one change named `label`; a deletion's
// objects come back at the end of the table when it is undone. At most `depth` changes are kept.
// Returns whether anything changed.
bool RecordChange(ChangeHistory& h, const Document& doc, const std::string& label, bool deletion,
                  std::size_t depth);
// Undoes the last change or does the last undone one again, on the document's tables. False when
// there is none.
bool StepHistory(ChangeHistory& h, Document& doc, bool undo);
// Empties the history: the document as it is counts as saved, unless it opened modified.
void ResetHistory(ChangeHistory& h, const Document& doc, bool openedModified);
// The document was saved: its tables are the saved ones.
void MarkSaved(ChangeHistory& h, const Document& doc);
// Whether the tables differ from the last save.
bool DiffersFromSaved(const ChangeHistory& h);

}  // namespace vt
