// The drawing surface: painted in the configured background colour.
#include "rit_yta.h"

#include <QPainter>

#include "app/program.h"
#include "qt_util.h"

namespace vt::gui {

RitYta::RitYta(Program& p, QWidget* parent) : QWidget(parent), p_(p) {
    setObjectName("RitYta");
    setMinimumSize(200, 120);
    setCursor(Qt::CrossCursor);
}

void RitYta::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(p_.uiState.surfaceBackColor));
}

}  // namespace vt::gui
