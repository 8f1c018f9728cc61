// The drawing surface: the persistent image, the overlay, and mouse and wheel forwarding.
#include "rit_yta.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "app/program.h"
#include "qt_canvas.h"
#include "qt_util.h"
#include "view/mouse.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt::gui {

namespace {

int ButtonOf(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

}  // namespace

RitYta::RitYta(Program& p, QWidget* parent) : QWidget(parent), p_(p) {
    setObjectName("RitYta");
    setMinimumSize(200, 120);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RitYta::Render() {
    const qreal dpr = devicePixelRatioF();
    const QSize logical(std::max(1, width()), std::max(1, height()));
    if (image_.size() != logical * dpr) {
        image_ = QImage(logical * dpr, QImage::Format_RGB32);
        image_.setDevicePixelRatio(dpr);
    }
    p_.view.W = logical.width();
    p_.view.H = logical.height();
    p_.overlay.Resize(logical.width(), logical.height());
    QPainter painter(&image_);
    QtCanvas canvas(painter, logical.width(), logical.height());
    RitYta_Paint(p_, canvas);
    update();
}

void RitYta::paintEvent(QPaintEvent*) {
    if (image_.isNull()) Render();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    QtCanvas canvas(painter, width(), height());
    for (const OverlayFigure& f : p_.overlay.Figures()) {
        canvas.SetPen(f.colour, f.width, f.style);
        switch (f.kind) {
            case OverlayFigure::Line:
                canvas.Line(f.x1, f.y1, f.x2, f.y2);
                break;
            case OverlayFigure::Rect:
            case OverlayFigure::Box:
                canvas.Rect(f.x1, f.y1, f.x2, f.y2);
                break;
            case OverlayFigure::Arc:
                canvas.Arc(f.x1, f.y1, f.x2, f.start, f.end);
                break;
        }
    }
}

void RitYta::resizeEvent(QResizeEvent*) {
    p_.view.W = std::max(1, width());
    p_.view.H = std::max(1, height());
    if (beforeResize_) beforeResize_();
    Render();
}

void RitYta::After() {
    if (afterEvent_) afterEvent_();
}

void RitYta::mousePressEvent(QMouseEvent* e) {
    Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
    QPointF pos = e->position();
    RitYta_MouseDown(p_, ButtonOf(e->button()), m & Qt::ControlModifier, m & Qt::ShiftModifier,
                     pos.x(), pos.y());
    After();
}

void RitYta::mouseMoveEvent(QMouseEvent* e) {
    QPointF pos = e->position();
    RitYta_MouseMove(p_, ButtonOf(e->button()), pos.x(), pos.y());
    After();
}

void RitYta::mouseReleaseEvent(QMouseEvent* e) {
    QPointF pos = e->position();
    RitYta_MouseUp(p_, ButtonOf(e->button()), pos.x(), pos.y());
    After();
}

void RitYta::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) RitYta_DblClick(p_);
    After();
}

void RitYta::wheelEvent(QWheelEvent* e) {
    QPointF pos = e->position();
    SetMousePosition(p_, pos.x(), pos.y());
    MouseWheel(p_, 0, e->angleDelta().y(), pos.x(), pos.y());
    After();
}

}  // namespace vt::gui
