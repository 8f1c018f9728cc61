// The step routines every pick processor uses, and the ways a construction ends.
#pragma once

#include <cstdint>

namespace vt {

class Program;

// Takes a point for `step`: a drawing point under the position, else (not free) a snap point, else
// (free or typed) the position itself. Advances the step; false when the step did not match.
bool GetPoint(Program& p, float x, float y, int16_t step, bool free);
// Take a line or a circle for `step` and mark it selected.
bool GetLine(Program& p, float x, float y, int16_t step);
bool GetArc(Program& p, float x, float y, int16_t step);

// After a definite result: back to step 1 with the command's pick kind and input form.
void ContinueCommand(Program& p, int16_t pickKind, int16_t inputMode);
// After candidates: the select-to-keep mode for circles (144), lines (145) or points (146).
void EnterKeepMode(Program& p, int16_t keepCode);
// Opens the value dialog for the next step with the given form.
void AskValues(Program& p, int16_t inputMode);

// Counts typed by the user: rounded to the nearest integer, halves to even.
int RoundCount(double v);

}  // namespace vt
