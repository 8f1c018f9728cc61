// The change history as the user meets it: every user event (a pick, a key, a menu command, a
// plug-in's command, a job setting) is one change, the undo and redo commands, the menu items
// that name them and the modified flag.
#pragma once

#include <string>

#include "model/change_history.h"

namespace vt {

class Program;

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
