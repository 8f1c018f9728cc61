// The machine definitions (.vtp) of the machine folder and the chosen machine's axis data.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vt {

class Program;

struct MachineEntry {
    std::string Name;
    std::string File;
};

// MachineList: entries 1..100, element 0 unused.
using MachineList = std::array<MachineEntry, 101>;

// The second comma-separated element of a format definition as a single-precision number, or the
// default when the definition has fewer than three elements.
double ExtractMult(const std::string& formatDef, double def);

// Fills MachineList from the machine folder (names in file-name order, at most 100) and refreshes
// the NC window's machine box and the machine menu.
void LoadMaskiner(Program& p);
// The box and the menu from MachineList: entries while names are not empty; selects DefaultMachine.
void RefreshMachineList(Program& p);
// Selects the entry equal to DefaultMachine in the machine box, else the first.
void SelectDefaultMachine(Program& p);
// Axis letters and multipliers of the selected machine.
void ReadPPInfo(Program& p);
// The user chose machine `index` (0-based in the box): remembered, checked, read, and the code
// regenerated when the NC window is shown.
void ChangeMachine(Program& p, int index);
// The machine entries of the menu: one click selects that machine.
void mnuNCMachines_Click(Program& p, int index);
// Start-up: preselection (L10) and, at the first activation, the chooser when the settings ask
// every time, or when the machine they name is not there (also the first start, naming none).
void PreselectMachine(Program& p);
void FirstActivation(Program& p);

}  // namespace vt
