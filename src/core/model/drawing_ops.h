// The operations on a drawing's tables: adding objects, compaction, marks, the list of deleted
// objects and emptying a document. They show nothing: each says what happened.
#pragma once

#include <cstdint>
#include <optional>

#include "model/document.h"

namespace vt {

// Each add appends at index ObjectCount + 1, marks the drawing modified and returns the new
// index. Past 32767 objects it throws the overflow error with the table unchanged.
int AddLine(Drawing& d, double x1, double y1, double x2, double y2, bool temp, bool deleted);
// r becomes |r|; nothing (and the table unchanged) when the circle lies outside
// MinRadius..CoordLimit.
std::optional<int> AddArc(Drawing& d, double cx, double cy, double startAngle, double endAngle,
                          double& r, bool temp, bool deleted);
// The test AddArc makes (on |r|).
bool ArcWithinLimits(double cx, double cy, double r);
int AddRitPoint(Drawing& d, double x, double y, bool temp, bool deleted);
// 36 lines in 10-degree steps, turned clockwise by the rotation argument plus 90 degrees; all of
// them or none. Returns the index of the first.
int AddEllipse(Drawing& d, double cx, double cy, double a, double b, double rotation, bool temp,
               bool deleted);

// Removes deleted objects keeping the order of the rest.
void CleanDeletedObjects(Drawing& d);
void ClearObjectMarks(Drawing& d);
void ClearHighlight(Drawing& d);
// Keeps a copy of object `index` in the list of deleted objects under the delete command's code.
void AddUndo(Drawing& d, int16_t action, int index);
// Empties the drawing, its tool path, its job settings and its file state.
void ClearDocument(Document& doc);

// Throws the overflow error when a 16-bit count cannot grow.
void CheckCount(int32_t count);

}  // namespace vt
