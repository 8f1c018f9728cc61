// LoadOldGEO and Str2Float.
#include "files/old_geo.h"

#include <cmath>
#include <initializer_list>
#include <optional>

#include "app/error_report.h"
#include "app/program.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "files/fields.h"
#include "files/read_failure.h"

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
std::optional<double> Field(Program& p, std::vector<std::string>& fields, std::size_t i) {
    if (i >= fields.size()) throw VtError(kErrSubscript);
    try {
        return Str2Float(fields[i]);
    } catch (const VtError& e) {
        if (e.Number() == kErrOverflow) return std::nullopt;
        p.errorTrail.Push("Str2Float()");
        throw;
    }
}

bool Within(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v) || std::fabs(v) > kCoordLimit) return false;
    return true;
}

}  // namespace

bool LoadOldGEO(Program& p, const std::string& name) {
    NewDrawing(p);
    ReadStatus status = ReadStatus::Ok;
    int read = 0, skipped = 0;
    const bool ok = Guarded(p, "LoadOldGEO()", [&] {
        std::vector<std::string> lines;
        status = ReadTextFile(name, lines);
        if (status == ReadStatus::TooLarge) return;
        if (status != ReadStatus::Ok) throw VtError(kErrFileNotFound);
        if (lines.empty()) throw VtError(kErrInputPastEnd);
        const double length = p.settings.OldGeoLineLength;
        bool circleRefused = false;
        for (const std::string& line : lines) {
            std::vector<std::string> f = SplitFields(line);
            const std::string& tag = f[0];
            if (tag != "P" && tag != "L" && tag != "C") continue;
            ++read;
            auto a = Field(p, f, 1), b = Field(p, f, 2), c = tag == "P" ? 0.0 : Field(p, f, 3);
            if (!a || !b || !c) {
                ++skipped;
                continue;
            }
            const double x = *a, y = *b, z = *c;
            if (tag == "P") {
                if (!Within({x, y})) {
                    ++skipped;
                    continue;
                }
                AddRitPoint(p, x, y, false, true, false);
            } else if (tag == "L") {
                const double x1 = x - length * std::sin(z), y1 = y - length * std::cos(z);
                const double x2 = x + length * std::sin(z), y2 = y + length * std::cos(z);
                if (!Within({x1, y1, x2, y2})) {
                    ++skipped;
                    continue;
                }
                AddLine(p, x1, y1, x2, y2, false, true, false);
            } else {
                double r = z;
                if (!Within({x, y, r})) {
                    // One message for the file, not one for each circle it cannot hold.
                    if (!circleRefused) AddArc(p, x, y, 0, 0, r, false, true, false);
                    circleRefused = true;
                    ++skipped;
                    continue;
                }
                AddArc(p, x, y, 0, 0, r, false, true, false);
            }
        }
    });
    if (status == ReadStatus::TooLarge) {
        CannotRead(p, name, ReadProblem(p, status));
        return false;
    }
    if (!ok) return false;
    if (read == 0) {
        CannotRead(p, name, p.language.GetText(2327));
        return false;
    }
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
    if (skipped > 0)
        p.ui.MessageBox(p.language.GetText(2326) + " " + std::to_string(skipped) + "\r\n" + name,
                        p.language.GetText(1065), MsgButtons::Ok, MsgIcon::Exclamation);
    return true;
}

}  // namespace vt
