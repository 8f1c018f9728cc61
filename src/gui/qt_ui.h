// The Ui of the window program: real message boxes and the main window as their owner.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/ui.h"

namespace vt::gui {

class QtUi : public Ui {
  public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void SetStateListener(std::function<void()> f) { onState_ = std::move(f); }

    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    void EndProgram() override;
    void PumpEvents() override;
    void StateChanged() override {
        if (onState_) onState_();
    }

  private:
    QPointer<QWidget> owner_;
    std::function<void()> onState_;
};

}  // namespace vt::gui
