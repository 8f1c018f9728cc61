// Splash window: a small drawing, the product title and version, faded in 16 steps of 50 ms.
#include "frm_splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "base/version.h"
#include "qt_util.h"

namespace vt::gui {

FrmSplash::FrmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frm_splash");
    setFixedSize(440, 260);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = s->availableGeometry();
        move(r.center() - rect().center());
    }
    setWindowOpacity(0.0);
    timer1_.setInterval(50);
    connect(&timer1_, &QTimer::timeout, this, &FrmSplash::Tick);
    timer1_.start();
}

void FrmSplash::Tick() {
    opacity_ += 16;
    if (opacity_ > 255) {
        timer1_.stop();
        return;
    }
    setWindowOpacity(opacity_ / 255.0);
}

void FrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor back = ToQColor(11337728), draw = ToQColor(15153465), point = ToQColor(255),
                 origin = ToQColor(16512), axis = ToQColor(65535);
    p.fillRect(rect(), back);
    // A tangent construction: two circles, their outer tangents and the snap points.
    QPointF c1(330, 120), c2(400, 150);
    p.setPen(QPen(origin, 1));
    p.drawLine(QPointF(260, 120), QPointF(436, 120));
    p.drawLine(QPointF(330, 20), QPointF(330, 240));
    p.setPen(QPen(draw, 2));
    p.drawEllipse(c1, 50, 50);
    p.drawEllipse(c2, 22, 22);
    p.setPen(QPen(ToQColor(255), 2, Qt::DashLine));
    p.drawLine(QPointF(312, 73), QPointF(391, 129));
    p.setPen(QPen(draw, 2));
    p.drawLine(QPointF(311, 167), QPointF(394, 172));
    p.setPen(QPen(point, 1));
    for (QPointF q :
         {c1, c2, QPointF(312, 73), QPointF(391, 129), QPointF(311, 167), QPointF(394, 172)}) {
        p.drawLine(q + QPointF(-6, 0), q + QPointF(6, 0));
        p.drawLine(q + QPointF(0, -6), q + QPointF(0, 6));
    }
    p.setPen(axis);
    QFont title("DejaVu Sans", 21, QFont::Bold);
    p.setFont(title);
    p.drawText(QPointF(24, 90), kProductTitle);
    QFont sub("DejaVu Sans", 12);
    p.setFont(sub);
    p.setPen(Qt::white);
    p.drawText(QPointF(26, 122), kProgramTitle);
    p.drawText(QPointF(26, 146), QString("v") + kVersionText);
    p.setPen(QPen(axis, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vt::gui
