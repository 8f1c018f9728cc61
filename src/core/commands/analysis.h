// The information commands: point, line, circle and distance info, the contour length of the tool
// path, the statistics box, the repaint timing and the flashing of the prompt line.
#pragma once

#include <string>

namespace vt {

class Program;

void ContourLength(Program& p);
// F11: "Punkter: " snap points and "Ritobjekt: " objects, in a message box titled "Statistik".
void ShowStatistics(Program& p);
// Repaints the surface ten times and shows the milliseconds it took.
void ScreenTest(Program& p);
// One tick of tmr_info; returns the next interval in milliseconds, or 0 when the timer stops.
int tmr_info_Timer(Program& p);

}  // namespace vt
