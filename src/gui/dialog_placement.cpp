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
                   const std::vector<QPoint>& avoid, const std::vector<QRect>& keepClear,
                   std::optional<QPoint> remembered) {
    std::vector<QPoint> tries;
    if (remembered) tries.push_back(*remembered);
    tries.push_back({beside.right() + kGap, beside.top()});
    tries.push_back({beside.right() + 1 - size.width(), beside.top() - size.height() - kGap});
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
    const auto coversARect = [&](const QPoint& t) {
        const QRect r(t, size);
        return r.intersects(beside) || std::any_of(keepClear.begin(), keepClear.end(),
                                                   [&](const QRect& k) { return r.intersects(k); });
    };
    // A place the user chose may cover the prompt lines; the others may not.
    for (std::size_t i = 0; i < tries.size(); ++i)
        if (!coversAPoint(tries[i]) && ((i == 0 && remembered) || !coversARect(tries[i])))
            return tries[i];
    for (const QPoint& t : tries)
        if (!coversAPoint(t)) return t;
    return tries.front();
}

}  // namespace vt::gui
