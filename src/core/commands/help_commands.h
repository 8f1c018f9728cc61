// The help menu: the user guide, the web page and the about box.
#pragma once

#include <string>

namespace vt {

class Program;

// The user guide shipped with the program (an HTML page); empty when it cannot be found.
std::string GuidePath(const Program& p);
// The about box's text: version, folders in use and the libraries' licences.
std::string AboutText(const Program& p);

void mnuHelpIndex_Click(Program& p);
void mnuHelpInternet_Click(Program& p);
void mnuHelpAbout_Click(Program& p);

}  // namespace vt
