// frm_Settings: folders, colours, start-up, machine choice and plug-ins. The controls edit the
// dialog's private copy of the settings.
#pragma once

#include "app/settings_dialog.h"

class QWidget;

namespace vt {
class Program;
}

namespace vt::gui {

// Shows the dialog modally; true when closed with OK.
bool ShowFrmSettings(Program& p, QWidget* owner, SettingsDialog& dialog);

}  // namespace vt::gui
