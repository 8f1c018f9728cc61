// The NC code window's commands: show, print, save, copy, its options and its operations list.
#pragma once

#include <string>
#include <vector>

namespace vt {

class Program;

struct OperationRow {
    std::string number, operation, coordinates;
};

// The rows of lvOps: the absolute G0, G1, G2 and G3 moves in table order.
std::vector<OperationRow> OperationRows(const Program& p);

void mnuNCVisaNC_Click(Program& p);
void mnuSkirvNCkod_Click(Program& p);
void mnuSparaNCkod_Click(Program& p);
void cmdClipboard_Click(Program& p);
void cbBlockNummer_Click(Program& p, bool checked);
void cbComments_Click(Program& p, bool checked);
// Another tab of SSTabNC was chosen.
void SSTabNC_Click(Program& p);
// The user closed the NC code window.
void NcWindowClosed(Program& p);

}  // namespace vt
