// Mouse handling of the drawing surface: picks, pan drags, hover read-out, pick feedback and
// rubber bands.
#pragma once

namespace vt {

class Program;

// Buttons keep the classic numbers.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// x, y in surface pixels (fractions allowed). Ctrl and Shift are the keyboard's state when the
// button went down.
void RitYta_MouseDown(Program& p, int button, bool ctrl, bool shift, double x, double y);
void RitYta_MouseMove(Program& p, int button, double x, double y);
void RitYta_MouseUp(Program& p, int button, double x, double y);
void RitYta_DblClick(Program& p);

// Stores the mouse position: MouseX, MouseY (row negated) and the single-precision drawing
// position.
void SetMousePosition(Program& p, double x, double y);

}  // namespace vt
