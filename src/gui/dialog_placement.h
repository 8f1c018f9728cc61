// Where a small dialog opens beside a part of the window: inside the screen, off the point the
// user is picking, at the place the user last moved it to when that still fits.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace vt::gui {

// The top-left corner of the dialog's frame of `size`. Tried in order: `remembered`, right of
// `beside`, above it at its right end, above it at its left end, below it; each moved inside
// `screen`. The first that covers none of `avoid` (with a margin), nor `beside` or `keepClear`
// (the remembered place may) wins, else the first that covers none of `avoid`, else the first.
QPoint PlaceDialog(const QRect& beside, const QSize& size, const QRect& screen,
                   const std::vector<QPoint>& avoid, const std::vector<QRect>& keepClear,
                   std::optional<QPoint> remembered);

}  // namespace vt::gui
