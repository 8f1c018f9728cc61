// Toolbar icons, pick cursors and the idle picture, drawn in code from small figure tables.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include "app/ui_state.h"

namespace vt::gui {

// The icon of a command handler ("mnuCirkelg3p"); an empty icon for unknown names.
QIcon CommandIcon(const QString& handler);
// The cursor of the drawing surface for a core cursor shape.
QCursor SurfaceCursorFor(SurfaceCursor shape);
// The idle picture of the command panel.
QPixmap LogoPicture(int height);

}  // namespace vt::gui
