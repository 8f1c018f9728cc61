// frm_Contour: the side and the milling direction of a contour from a chain.
#pragma once

class QWidget;

namespace vt {
class Program;
struct ContourQuestion;
}  // namespace vt

namespace vt::gui {

// Shows the dialog modally; true with the answers when confirmed with OK.
bool ContourDialog(QWidget* owner, Program& program, ContourQuestion& question);

}  // namespace vt::gui
