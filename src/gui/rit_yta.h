// RitYta: the drawing surface of the main window.
#pragma once

#include <QWidget>

namespace vt {
class Program;
}

namespace vt::gui {

class RitYta : public QWidget {
    Q_OBJECT
  public:
    RitYta(Program& p, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Program& p_;
};

}  // namespace vt::gui
