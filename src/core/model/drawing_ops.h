// The operations on the drawing tables: adding objects and snap points, compaction, marks,
// a new drawing, and the pick filter.
#pragma once

#include <cstdint>

namespace vt {

class Program;

// Each add appends at index ObjectCount + 1, marks the drawing modified and, unless noUpdate,
// rebuilds the snap points. Past 32767 objects it throws the overflow error with the table
// unchanged.
void AddLine(Program& p, double x1, double y1, double x2, double y2, bool temp, bool noUpdate,
             bool deleted);
// Validates first: r becomes |r|; refused outside MinRadius..CoordLimit with the message and a
// cancel of the running command. Returns whether the circle was added.
bool AddArc(Program& p, double cx, double cy, double startAngle, double endAngle, double& r,
            bool temp, bool noUpdate, bool deleted);
// The test AddArc makes (on |r|).
bool ArcWithinLimits(double cx, double cy, double r);
void AddRitPoint(Program& p, double x, double y, bool temp, bool noUpdate, bool deleted);
// 36 lines in 10-degree steps, turned clockwise by the rotation argument plus 90 degrees.
void AddEllipse(Program& p, double cx, double cy, double a, double b, double rotation, bool temp,
                bool noUpdate, bool deleted);
// Appends a snap point; false (and nothing changed) when the table is full.
bool AddPoint(Program& p, double x, double y, int32_t color, int16_t obj1, int16_t obj2);

// Removes deleted objects keeping the order of the rest, then rebuilds the snap points.
void CleanDeletedObjects(Program& p);
void ClearObjectMarks(Program& p);
void ClearHighlight(Program& p);
// Empties the drawing, the tool path and the undo history.
void NewDrawing(Program& p);

// Pick kinds: 1 lines, 2 circles, 3 points, 4 all; anything else none.
void LookFor(Program& p, int16_t kind);

// Throws the overflow error when a 16-bit count cannot grow.
void CheckCount(int32_t count);

}  // namespace vt
