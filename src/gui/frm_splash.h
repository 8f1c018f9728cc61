// The splash window shown while the main window loads; it fades in.
#pragma once

#include <QTimer>
#include <QWidget>

namespace vt::gui {

class FrmSplash : public QWidget {
    Q_OBJECT
  public:
    FrmSplash();
    int Opacity() const { return opacity_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void Tick();
    QTimer timer1_;
    int opacity_ = 0;
};

}  // namespace vt::gui
