// RitYta: the drawing surface. It keeps the painted drawing as an image, shows the core's overlay
// over it, and forwards mouse and wheel events.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace vt {
class Program;
}

namespace vt::gui {

class RitYta : public QWidget {
    Q_OBJECT
  public:
    RitYta(Program& p, QWidget* parent);
    // Paints the drawing from the tables into the image now (the core's paint routine).
    void Render();
    const QImage& Image() const { return image_; }
    // Called after every forwarded event, so the window can show the new state.
    void SetAfterEvent(std::function<void()> f) { afterEvent_ = std::move(f); }
    // Called when the size changed, with the new size already in the view, before painting.
    void SetBeforeResize(std::function<void()> f) { beforeResize_ = std::move(f); }

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

  private:
    void After();
    Program& p_;
    QImage image_;
    std::function<void()> afterEvent_;
    std::function<void()> beforeResize_;
};

}  // namespace vt::gui
