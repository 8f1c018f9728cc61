// Adding objects, compaction, marks, the list of deleted objects and an empty document.
#include "model/drawing_ops.h"

#include <algorithm>
#include <cmath>

#include "base/vt_error.h"
#include "geometry/primitives.h"

namespace vt {

void CheckCount(int32_t count) {
    if (count >= kMaxCount) throw VtError(kErrOverflow);
}

namespace {

RitObjekt& Append(Drawing& d, int16_t typ, bool temp, bool deleted) {
    CheckCount(d.ObjectCount);
    ++d.ObjectCount;
    d.Objects.resize(static_cast<std::size_t>(d.ObjectCount) + 1);
    RitObjekt& o = d.Obj(d.ObjectCount);
    o = RitObjekt{};
    o.Typ = typ;
    o.Temp = temp;
    o.Deleted = deleted;
    d.Modified = true;
    return o;
}

}  // namespace

int AddLine(Drawing& d, double x1, double y1, double x2, double y2, bool temp, bool deleted) {
    RitObjekt& o = Append(d, kLine, temp, deleted);
    o.X1 = x1;
    o.Y1 = y1;
    o.X2 = x2;
    o.Y2 = y2;
    return d.ObjectCount;
}

bool ArcWithinLimits(double cx, double cy, double r) {
    r = std::fabs(r);
    return r >= kMinRadius && r <= kCoordLimit && std::fabs(cx) <= kCoordLimit &&
           std::fabs(cy) <= kCoordLimit;
}

std::optional<int> AddArc(Drawing& d, double cx, double cy, double startAngle, double endAngle,
                          double& r, bool temp, bool deleted) {
    r = std::fabs(r);
    // NaN fails every comparison and is refused too.
    if (!ArcWithinLimits(cx, cy, r)) return std::nullopt;
    RitObjekt& o = Append(d, kCircle, temp, deleted);
    o.CX = cx;
    o.CY = cy;
    o.R = r;
    o.StartAngle = startAngle;
    o.EndAngle = endAngle;
    return d.ObjectCount;
}

int AddRitPoint(Drawing& d, double x, double y, bool temp, bool deleted) {
    RitObjekt& o = Append(d, kRitPoint, temp, deleted);
    o.X1 = x;
    o.Y1 = y;
    return d.ObjectCount;
}

int AddEllipse(Drawing& d, double cx, double cy, double a, double b, double rotation, bool temp,
               bool deleted) {
    CheckCount(d.ObjectCount + 35);  // all 36 lines or none
    const int first = d.ObjectCount + 1;
    rotation = -rotation - 90;
    auto point = [&](int i, double& x, double& y) {
        double t = i * 10 * kPi / 180;
        x = cx + a * std::sin(t);
        y = cy + b * std::cos(t);
        if (rotation != 0) {
            LineMeasure m = LineLen(cx, cy, x, y);
            double th = (m.AngleDeg - rotation) * kPi / 180;
            x = cx + m.Length * std::cos(th);
            y = cy - m.Length * std::sin(th);
        }
    };
    double px, py;
    point(0, px, py);
    for (int i = 1; i <= 36; ++i) {
        double x, y;
        point(i, x, y);
        RitObjekt& o = Append(d, kLine, temp, deleted);
        o.X1 = px;
        o.Y1 = py;
        o.X2 = x;
        o.Y2 = y;
        px = x;
        py = y;
    }
    return first;
}

void CleanDeletedObjects(Drawing& d) {
    auto first = d.Objects.begin() + 1, last = d.Objects.begin() + d.ObjectCount + 1;
    auto kept = std::stable_partition(first, last, [](const RitObjekt& o) { return !o.Deleted; });
    d.ObjectCount = static_cast<int16_t>(kept - d.Objects.begin() - 1);
}

void ClearObjectMarks(Drawing& d) {
    for (int i = 1; i <= d.ObjectCount; ++i) {
        RitObjekt& o = d.Obj(i);
        o.Temp = o.Selected = o.Highlight = false;
    }
}

void ClearHighlight(Drawing& d) {
    for (int i = 1; i <= d.ObjectCount; ++i)
        d.Obj(i).Highlight = false;
}

void AddUndo(Drawing& d, int16_t action, int index) {
    CheckCount(d.UndoCount);
    UndoRecord rec{action, d.Obj(index)};
    ++d.UndoCount;
    d.UndoList.resize(static_cast<std::size_t>(d.UndoCount) + 1);
    d.UndoList[static_cast<std::size_t>(d.UndoCount)] = rec;
}

void ClearDocument(Document& doc) {
    doc = Document{};
}

}  // namespace vt
