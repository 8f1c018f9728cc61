// Placing the value dialog beside the prompt lines.
#include "dialog_placement.h"

#include <algorithm>

namespace vt::gui {

namespace {

constexpr int kGap = 8;
constexpr int kAvoidMargin = 24;  // a cursor's size round the point being picked

QPoint Inside(QPoint p, const QSize& size, const QRect& screen) {
    const int x = std::clamp(p.x(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(p.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

}  // namespace

QPoint PlaceDialog(const QRect& beside, const QSize& size, const QRect& screen,
                   const std::vector<QPoint>& avoid, std::optional<QPoint> remembered) {
    std::vector<QPoint> tries;
    if (remembered) tries.push_back(*remembered);
    tries.push_back({beside.right() + kGap, beside.top()});
    tries.push_back({beside.right() - size.width(), beside.top() - size.height() - kGap});
    tries.push_back({beside.left(), beside.top() - size.height() - kGap});
    tries.push_back({beside.left(), beside.bottom() + kGap});
    for (QPoint& t : tries)
        t = Inside(t, size, screen);
    const auto coversAPoint = [&](const QPoint& t) {
        const QRect r =
            QRect(t, size).adjusted(-kAvoidMargin, -kAvoidMargin, kAvoidMargin, kAvoidMargin);
        return std::any_of(avoid.begin(), avoid.end(),
                           [&](const QPoint& a) { return r.contains(a); });
    };
    // A place the user chose may cover the prompt lines; the others may not.
    for (std::size_t i = 0; i < tries.size(); ++i)
        if (!coversAPoint(tries[i]) &&
            ((i == 0 && remembered) || !QRect(tries[i], size).intersects(beside)))
            return tries[i];
    for (const QPoint& t : tries)
        if (!coversAPoint(t)) return t;
    return tries.front();
}

}  // namespace vt::gui
