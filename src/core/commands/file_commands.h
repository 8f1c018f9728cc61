// The file commands of the main window, and the files opened at start and kept at close.
#pragma once

#include <string>

namespace vt {

class Program;

// When the drawing has unsaved changes, asks whether to save them first (Yes saves through the
// save command). False when the user cancelled or the save did not happen.
bool AskSaveChanges(Program& p, int titleText);

void mnuNy_Click(Program& p);
void mnuOppna_Click(Program& p);
// True when the drawing was saved.
bool mnuSpara_Click(Program& p);
bool mnuSparasom_Click(Program& p);
void mnuImportDxf_Click(Program& p);
void mnuExportRit_Click(Program& p);
// "Exportera DXF...": the drawing and its tool path as DXF, R12 or R2000 as the filter says.
void mnuExportDxf_Click(Program& p);
void mnuImportRit_Click(Program& p);

// Opens a drawing by its extension as "Alla filer" does; false for a type the program does not
// read.
bool OpenByExtension(Program& p, const std::string& path);
// Start-up: the command-line file, else last.dat or autoload.vtm as the settings say.
void OpenAtStart(Program& p, const std::string& commandLineFile);
// Closing: last.dat when the settings keep the last drawing.
void SaveLastDrawing(Program& p);

}  // namespace vt
