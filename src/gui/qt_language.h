// SetLanguage for real windows: presents a widget tree to the core's language rules.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <utility>

#include "app/set_language.h"
#include "base/language.h"

namespace vt::gui {

// The "tag" property of a widget or action holds its text number (window designer's tag).
inline constexpr const char* kTagProperty = "tag";

// Gives the named controls of a window their text numbers.
void SetTags(QWidget* window, std::initializer_list<std::pair<const char*, int>> tags);

class QtLanguageTarget : public LanguageTarget {
  public:
    explicit QtLanguageTarget(QWidget* window);

    std::string WindowTag() const override;
    void SetWindowCaption(const std::string& text) override;
    std::vector<LanguageControl> Controls() const override;
    void SetControlText(std::size_t control, const std::string& text) override;
    void SetToolTip(std::size_t control, int button, const std::string& text) override;
    void SetTabCaption(std::size_t control, int tab, const std::string& text) override;

  private:
    QPointer<QWidget> window_;
    QList<QObject*> objects_;  // in the order of Controls()
};

}  // namespace vt::gui
