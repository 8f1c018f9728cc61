// The older geometry format: reading its lines into a document, and Str2Float.
#include "files/old_geo.h"

#include <cmath>
#include <initializer_list>
#include <optional>

#include "base/error_trail.h"
#include "base/text_file.h"
#include "base/vt_error.h"
#include "files/fields.h"
#include "model/drawing_ops.h"

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

// A field of a P, L or C line: a missing one is an error, an empty one 0; nothing when it is a
// number too large to hold.
std::optional<double> Field(ErrorTrail* trail, std::vector<std::string>& fields, std::size_t i) {
    if (i >= fields.size()) throw VtError(kErrSubscript);
    try {
        return Str2Float(fields[i]);
    } catch (const VtError& e) {
        if (e.Number() == kErrOverflow) return std::nullopt;
        if (trail) trail->Push("Str2Float()");
        throw;
    }
}

bool Within(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v) || std::fabs(v) > kCoordLimit) return false;
    return true;
}

}  // namespace

void ReadOldGeo(const std::vector<std::string>& lines, double lineLength, Document& doc,
                OldGeoRead& info, ErrorTrail* trail) {
    if (lines.empty()) throw VtError(kErrInputPastEnd);
    Drawing& d = doc.drawing;
    // The names the report shows when a number stops the read.
    auto trace = [&](const char* name) {
        if (trail) trail->Push(name);
    };
    for (const std::string& line : lines) {
        std::vector<std::string> f = SplitFields(line);
        const std::string& tag = f[0];
        if (tag != "P" && tag != "L" && tag != "C") continue;
        ++info.read;
        auto a = Field(trail, f, 1), b = Field(trail, f, 2),
             c = tag == "P" ? 0.0 : Field(trail, f, 3);
        if (!a || !b || !c) {
            ++info.skipped;
            continue;
        }
        const double x = *a, y = *b, z = *c;
        if (tag == "P") {
            if (!Within({x, y})) {
                ++info.skipped;
                continue;
            }
            trace("AddRitPoint()");
            AddRitPoint(d, x, y, false, false);
        } else if (tag == "L") {
            const double x1 = x - lineLength * std::sin(z), y1 = y - lineLength * std::cos(z);
            const double x2 = x + lineLength * std::sin(z), y2 = y + lineLength * std::cos(z);
            if (!Within({x1, y1, x2, y2})) {
                ++info.skipped;
                continue;
            }
            trace("AddLine()");
            AddLine(d, x1, y1, x2, y2, false, false);
        } else {
            double r = z;
            trace("AddArc()");
            if (!Within({x, y, r}) || !AddArc(d, x, y, 0, 0, r, false, false)) {
                info.circleRefused = true;
                ++info.skipped;
            }
        }
    }
}

}  // namespace vt
