// Small conversions between core values and Qt types.
#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "app/settings.h"

namespace vt::gui {

// A text of the program's table (the language file's when one is chosen).
#define VT_TEXT(program, number) Q((program).language.GetText(number))

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

// Colours are stored with red in the low byte.
inline QColor ToQColor(Colour c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline Colour FromQColor(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// Texts of the core use CR LF between lines.
inline QString FromCrLf(const std::string& s) {
    return Q(s).replace("\r\n", "\n");
}

}  // namespace vt::gui
