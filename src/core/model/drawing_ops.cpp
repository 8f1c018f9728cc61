// Adding objects and snap points, compaction, marks, a new drawing and the pick filter.
#include "model/drawing_ops.h"

#include <algorithm>
#include <cmath>

#include "app/program.h"
#include "app/startup.h"
#include "commands/command_reset.h"
#include "geometry/primitives.h"
#include "model/snap_points.h"

namespace vt {

void CheckCount(int32_t count) {
    if (count >= kMaxCount) throw VtError(kErrOverflow);
}

namespace {

RitObjekt& Append(Program& p, int16_t typ, bool temp, bool deleted) {
    Drawing& d = p.drawing;
    CheckCount(d.ObjectCount);
    ++d.ObjectCount;
    d.Objects.resize(static_cast<std::size_t>(d.ObjectCount) + 1);
    RitObjekt& o = d.Obj(d.ObjectCount);
    o = RitObjekt{};
    o.Typ = typ;
    o.Temp = temp;
    o.Deleted = deleted;
    return o;
}

void Finish(Program& p, bool noUpdate) {
    p.drawing.Modified = true;
    if (!noUpdate) UpdatePoints(p);
}

}  // namespace

void AddLine(Program& p, double x1, double y1, double x2, double y2, bool temp, bool noUpdate,
             bool deleted) {
    p.errorTrail.Push("AddLine()");
    RitObjekt& o = Append(p, kLine, temp, deleted);
    o.X1 = x1;
    o.Y1 = y1;
    o.X2 = x2;
    o.Y2 = y2;
    Finish(p, noUpdate);
}

bool ArcWithinLimits(double cx, double cy, double r) {
    r = std::fabs(r);
    return r >= kMinRadius && r <= kCoordLimit && std::fabs(cx) <= kCoordLimit &&
           std::fabs(cy) <= kCoordLimit;
}

bool AddArc(Program& p, double cx, double cy, double startAngle, double endAngle, double& r,
            bool temp, bool noUpdate, bool deleted) {
    p.errorTrail.Push("AddArc()");
    r = std::fabs(r);
    if (!ArcWithinLimits(cx, cy, r)) {
        // NaN fails every comparison above and is refused here too.
        p.ui.MessageBox(p.language.GetText(1060), p.language.GetText(1066), MsgButtons::Ok,
                        MsgIcon::Exclamation);
        ResetOperation(p);
        return false;
    }
    RitObjekt& o = Append(p, kCircle, temp, deleted);
    o.CX = cx;
    o.CY = cy;
    o.R = r;
    o.StartAngle = startAngle;
    o.EndAngle = endAngle;
    Finish(p, noUpdate);
    return true;
}

void AddRitPoint(Program& p, double x, double y, bool temp, bool noUpdate, bool deleted) {
    p.errorTrail.Push("AddRitPoint()");
    RitObjekt& o = Append(p, kRitPoint, temp, deleted);
    o.X1 = x;
    o.Y1 = y;
    Finish(p, noUpdate);
}

void AddEllipse(Program& p, double cx, double cy, double a, double b, double rotation, bool temp,
                bool noUpdate, bool deleted) {
    p.errorTrail.Push("AddEllipse()");
    CheckCount(p.drawing.ObjectCount + 35);  // all 36 lines or none
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
        RitObjekt& o = Append(p, kLine, temp, deleted);
        o.X1 = px;
        o.Y1 = py;
        o.X2 = x;
        o.Y2 = y;
        px = x;
        py = y;
    }
    Finish(p, noUpdate);
}

bool AddPoint(Program& p, double x, double y, int32_t color, int16_t obj1, int16_t obj2) {
    Drawing& d = p.drawing;
    if (d.PointCount >= d.MaxPoints) return false;
    ++d.PointCount;
    if (d.Points.size() <= static_cast<std::size_t>(d.PointCount))
        d.Points.resize(std::min<std::size_t>(static_cast<std::size_t>(d.MaxPoints) + 1,
                                              std::max<std::size_t>(64, d.Points.size() * 2)));
    d.Pt(d.PointCount) = SnapPoint{x, y, color, obj1, obj2};
    return true;
}

void CleanDeletedObjects(Program& p) {
    p.errorTrail.Push("CleanDeletedObjects()");
    Drawing& d = p.drawing;
    auto first = d.Objects.begin() + 1, last = d.Objects.begin() + d.ObjectCount + 1;
    auto kept = std::stable_partition(first, last, [](const RitObjekt& o) { return !o.Deleted; });
    d.ObjectCount = static_cast<int16_t>(kept - d.Objects.begin() - 1);
    UpdatePoints(p);
}

void ClearObjectMarks(Program& p) {
    for (int i = 1; i <= p.drawing.ObjectCount; ++i) {
        RitObjekt& o = p.drawing.Obj(i);
        o.Temp = o.Selected = o.Highlight = false;
    }
}

void ClearHighlight(Program& p) {
    for (int i = 1; i <= p.drawing.ObjectCount; ++i)
        p.drawing.Obj(i).Highlight = false;
}

void NewDrawing(Program& p) {
    p.errorTrail.Push("NewDrawing()");
    Drawing& d = p.drawing;
    d.ObjectCount = 0;
    d.Objects.assign(1, RitObjekt{});
    d.UndoCount = 0;
    d.UndoList.assign(1, UndoRecord{});
    p.toolPath.Clear();
    p.jobSettings.clear();
    d.Modified = false;
    d.HasFileName = false;
    d.FileName.clear();
    p.uiState.ncCodeText.clear();
    p.uiState.ncStatusText = "0" + p.language.GetText(1265);
    SetMainCaption(p);
    UpdatePoints(p);
}

void LookFor(Program& p, int16_t kind) {
    CommandState& c = p.cmd;
    c.PickPoints = c.PickLines = c.PickArcs = false;
    SurfaceCursor cursor = SurfaceCursor::Cross;
    switch (kind) {
        case 1:
            c.PickLines = true;
            cursor = SurfaceCursor::PickLine;
            break;
        case 2:
            c.PickArcs = true;
            cursor = SurfaceCursor::PickCircle;
            break;
        case 3:
            c.PickPoints = true;
            cursor = SurfaceCursor::PickPoint;
            if (p.settings.POD) {
                UpdatePoints(p);
                p.ui.Refresh();
            }
            break;
        case 4:
            c.PickPoints = c.PickLines = c.PickArcs = true;
            cursor = SurfaceCursor::PickAll;
            break;
        case 5:
            c.PickLines = c.PickArcs = true;
            cursor = SurfaceCursor::PickAll;
            break;
        default:
            break;
    }
    p.uiState.surfaceCursor = cursor;
}

}  // namespace vt
