// frm_Settings as the core drives it: a private copy of the settings that OK makes the program's.
#pragma once

#include <string>
#include <vector>

#include "app/settings.h"

namespace vt {

class Program;

struct SettingsDialog {
    ProgramSettings copy;               // what the controls edit
    std::vector<std::string> machines;  // comboMaskin
};

// Shows the dialog; after OK the machine data, the background and the drawing follow the new
// settings.
void mnuSettings_Click(Program& p);

}  // namespace vt
