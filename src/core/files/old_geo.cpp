// LoadOldGEO and Str2Float.
#include "files/old_geo.h"

#include <cmath>

#include "app/error_report.h"
#include "app/program.h"
#include "app/text_file.h"
#include "files/fields.h"
#include "model/drawing_ops.h"
#include "model/snap_points.h"

namespace vt {

double Str2Float(std::string& text) {
    text = std::string(Trim(text, " \t"));
    if (text.empty()) return 0;
    std::string t = text;
    for (char& c : t)
        if (c == ',') c = '.';
    return FieldNumber(t);
}

namespace {

// A field of a P, L or C line: a missing one is an error, an empty one 0.
double Field(Program& p, std::vector<std::string>& fields, std::size_t i) {
    if (i >= fields.size()) throw VtError(kErrSubscript);
    double v = 0;
    bool ok = true;
    VtError failure(kErrTypeMismatch);
    try {
        v = Str2Float(fields[i]);
    } catch (const VtError& e) {
        ok = false;
        failure = e;
    }
    if (!ok) {
        p.errorTrail.Push("Str2Float()");
        throw failure;
    }
    return v;
}

}  // namespace

void LoadOldGEO(Program& p, const std::string& name) {
    NewDrawing(p);
    Guarded(p, "LoadOldGEO()", [&] {
        std::vector<std::string> lines;
        if (!ReadTextLines(name, lines)) throw VtError(kErrFileNotFound);
        if (lines.empty()) throw VtError(kErrInputPastEnd);
        const double length = p.settings.OldGeoLineLength;
        bool circleRefused = false;
        for (const std::string& line : lines) {
            std::vector<std::string> f = SplitFields(line);
            const std::string& tag = f[0];
            if (tag == "P") {
                double x = Field(p, f, 1), y = Field(p, f, 2);
                AddRitPoint(p, x, y, false, true, false);
            } else if (tag == "L") {
                double x = Field(p, f, 1), y = Field(p, f, 2), a = Field(p, f, 3);
                AddLine(p, x - length * std::sin(a), y - length * std::cos(a),
                        x + length * std::sin(a), y + length * std::cos(a), false, true, false);
            } else if (tag == "C") {
                double cx = Field(p, f, 1), cy = Field(p, f, 2), r = Field(p, f, 3);
                // One message for the file, not one for each circle it cannot hold.
                if (!circleRefused) {
                    circleRefused = !AddArc(p, cx, cy, 0, 0, r, false, true, false);
                } else if (std::fabs(r) <= kCoordLimit && std::fabs(cx) <= kCoordLimit &&
                           std::fabs(cy) <= kCoordLimit) {
                    AddArc(p, cx, cy, 0, 0, r, false, true, false);
                }
            }
        }
    });
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
}

}  // namespace vt
