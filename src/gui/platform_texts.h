// Texts the platform's dialogs show (buttons, file dialog labels): Swedish by default, replaceable
// by the language file under numbers 4000 and up.
#pragma once

#include <QString>

namespace vt {
class Program;
}

namespace vt::gui {

enum class PlatformText { LookIn = 4000, FileName, FileType, Open, Save, Cancel, Ok, Yes, No };

QString Text(const Program& p, PlatformText which);

}  // namespace vt::gui
