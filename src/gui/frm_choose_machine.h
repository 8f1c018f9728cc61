// frm_ChooseMachine: the machine question at start-up.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace vt {
class Program;
}

namespace vt::gui {

// Shows the dialog modally; returns the index chosen in the box, or -1 when none was chosen.
int ChooseMachineDialog(QWidget* owner, Program* program, const std::vector<std::string>& names,
                        int current);

}  // namespace vt::gui
