// Start-up and shut-down of the main window: the load steps, the caption, the closing questions.
#pragma once

#include <string>

#include "app/settings.h"

namespace vt {

class Program;

// Seconds the splash stays up: until the seconds-since-midnight timer reaches the rounded start
// second plus 3. Counted from now, so midnight cannot stretch it.
double SplashSecondsLeft(double secondsSinceMidnightAtStart);

// The load steps of the main window after its language was applied (L2 to L15).
void MainWindowLoad(Program& p, const std::string& commandLineFile);

// "Veltrum32 - [ machine ]", followed by " - " and the file name when the drawing has one.
std::string MainCaption(const Program& p);
void SetMainCaption(Program& p);

// The snap-switch check marks, the undo item and the panel bevels (step L13).
void ApplyStartupUiState(Program& p);

// The two closing questions. Returns true when the user cancelled the closing.
bool MainWindowQueryUnload(Program& p);
// The rest of the closing sequence: last drawing, settings and the main window's placement (none
// when there is no window).
void MainWindowUnload(Program& p, const WindowPlacement* placement, bool minimized);

}  // namespace vt
