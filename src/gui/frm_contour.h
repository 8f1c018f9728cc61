// frm_Contour: the side and the milling direction of a contour from a chain.
#pragma once

#include <functional>

class QPoint;
class QSize;
class QWidget;

namespace vt {
class Program;
struct ContourQuestion;
}  // namespace vt

namespace vt::gui {

// Shows the dialog modally; true with the answers when confirmed with OK.
// `place` gives the top-left corner for the dialog's size, off the chain being asked about.
bool ContourDialog(QWidget* owner, Program& program, ContourQuestion& question,
                   const std::function<QPoint(const QSize&)>& place);

}  // namespace vt::gui
