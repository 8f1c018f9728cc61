// One history of the changes to the drawing, its tool path and its job settings: every change a
// user event makes (a pick, a key, a menu command, a plug-in's command, a job setting) is one
// entry, found by comparing the tables before and after the event. Undo and redo walk it; the
// drawing is modified exactly when its tables differ from the last save.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "geometry/objects.h"
#include "nc/job_settings.h"
#include "nc/toolpath.h"

namespace vt {

class Program;

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

DrawingState CaptureState(const Program& p);

// Runs around one user event; the outermost records what the event changed as one change named
// `label` (empty: the running command's title).
class ChangeScope {
  public:
    ChangeScope(Program& p, std::string label = "");
    ~ChangeScope();
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

  private:
    Program& p_;
    std::string label_;
};

// Records a change now if the tables differ from the last known state.
void RecordChange(Program& p, const std::string& label);
// A new drawing, an opened file, the program closing: the history is emptied and the tables as
// they are count as saved.
void ResetHistory(Program& p);
// The drawing was saved: these tables are the saved ones.
void MarkSaved(Program& p);

// mnuUndo and mnuRedo: the running command is cancelled, then the last change is undone or the
// last undone change done again; the snap points are rebuilt once.
void mnuUndo_Click(Program& p);
void mnuRedo_Click(Program& p);

}  // namespace vt
