// SaveGEO and LoadGEO.
#include "files/native_file.h"

#include <algorithm>
#include <cmath>

#include "app/error_report.h"
#include "app/program.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "files/fields.h"
#include "files/read_failure.h"

namespace vt {

namespace {

// A part arc keeps its span in fields a circle does not use, where an older reader does not look:
// X1 and Y1 the start and end angle, X2 = 1 saying so. A full circle is written as it always was.
constexpr double kArcMark = 1;

RitObjekt Stored(const RitObjekt& o) {
    RitObjekt s = o;
    if (o.Typ == kCircle && (o.StartAngle != 0 || o.EndAngle != 0)) {
        s.X1 = o.StartAngle;
        s.Y1 = o.EndAngle;
        s.X2 = kArcMark;
        s.Y2 = 0;
    }
    return s;
}

void Restored(RitObjekt& o) {
    if (o.Typ != kCircle || o.X2 != kArcMark) return;
    o.StartAngle = o.X1;
    o.EndAngle = o.Y1;
    o.X1 = o.Y1 = o.X2 = o.Y2 = 0;
}

}  // namespace

std::string NativeText(const Program& p) {
    const std::string nl = "\r\n";
    std::string s = WriteString(kNativeIdentifier) + ",1" + nl;
    // The first reserved line keeps the drawing's job settings; readers ignore these lines.
    s += WriteString(JobValuesToLine(p.jobSettings)) + nl;
    for (int i = 1; i < 5; ++i)
        s += "\"\"" + nl;
    const Drawing& d = p.drawing;
    s += std::to_string(d.ObjectCount) + nl;
    for (int i = 1; i <= d.ObjectCount; ++i) {
        const RitObjekt o = Stored(d.Obj(i));
        s += std::to_string(o.Typ);
        for (double v : {o.CX, o.CY, o.R, o.Reserved, o.X1, o.Y1, o.X2, o.Y2})
            s += "," + WriteNumber(v);
        s += nl;
    }
    const ToolPath& t = p.toolPath;
    s += std::to_string(t.Count) + nl;
    for (int i = 1; i <= t.Count; ++i) {
        const ToolPathOp& o = t.Op(i);
        s += std::to_string(o.Typ);
        for (double v : {o.CX, o.CY, o.R, o.Comp, o.Group, o.X, o.Y, o.AuxX, o.AuxY})
            s += "," + WriteNumber(v);
        s += "," + WriteString(o.Label) + "," + WriteString(o.NCText) + nl;
    }
    return s;
}

namespace {

// The first object (or, negative, tool path move) holding a number that is not finite; 0 none.
int FirstNonFinite(const Program& p) {
    for (int i = 1; i <= p.drawing.ObjectCount; ++i) {
        const RitObjekt& o = p.drawing.Obj(i);
        for (double v :
             {o.CX, o.CY, o.R, o.Reserved, o.X1, o.Y1, o.X2, o.Y2, o.StartAngle, o.EndAngle})
            if (!std::isfinite(v)) return i;
    }
    for (int i = 1; i <= p.toolPath.Count; ++i) {
        const ToolPathOp& o = p.toolPath.Op(i);
        for (double v : {o.CX, o.CY, o.R, o.Comp, o.Group, o.X, o.Y, o.AuxX, o.AuxY})
            if (!std::isfinite(v)) return -i;
    }
    return 0;
}

}  // namespace

bool SaveGEO(Program& p, const std::string& name) {
    // A number that cannot be read back would lose everything after it.
    if (const int bad = FirstNonFinite(p)) {
        p.ui.MessageBox(p.language.GetText(2328) + " " +
                            (bad > 0 ? std::to_string(bad) : "P" + std::to_string(-bad)) + "\r\n" +
                            name,
                        p.language.GetText(1066), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return Guarded(p, "SaveGEO()", [&] { WriteFileOrThrow(name, NativeText(p)); });
}

namespace {

// A count line: 0..32767, and no more than the lines the file still holds.
int ReadCount(const std::string& line, std::size_t linesLeft) {
    int16_t n = FieldInt16(SplitFields(line).at(0));
    if (n < 0) throw VtError(kErrSubscript);
    if (static_cast<std::size_t>(n) > linesLeft) throw VtError(kErrInputPastEnd);
    return n;
}

std::vector<std::string> Fields(const std::string& line, std::size_t count) {
    std::vector<std::string> f = SplitFields(line);
    if (f.size() < count) throw VtError(kErrInputPastEnd);
    return f;
}

void ReadObjects(Program& p, const std::vector<std::string>& lines, std::size_t& at) {
    if (at >= lines.size()) throw VtError(kErrInputPastEnd);
    const std::string& countLine = lines[at++];
    int count = ReadCount(countLine, lines.size() - at);
    Drawing& d = p.drawing;
    for (int i = 1; i <= count; ++i) {
        std::vector<std::string> f = Fields(lines[at++], 9);
        RitObjekt o;
        o.Typ = FieldInt16(f[0]);
        double* fields[] = {&o.CX, &o.CY, &o.R, &o.Reserved, &o.X1, &o.Y1, &o.X2, &o.Y2};
        for (int k = 0; k < 8; ++k)
            *fields[k] = FieldNumber(f[static_cast<std::size_t>(k + 1)]);
        Restored(o);
        CheckCount(d.ObjectCount);
        d.Objects.push_back(o);
        ++d.ObjectCount;
    }
}

// Reads the tool path; a malformed line is left out, its line number noted.
void ReadToolPath(Program& p, const std::vector<std::string>& lines, std::size_t& at,
                  std::vector<std::size_t>& skipped) {
    if (at >= lines.size() || Trim(lines[at], " \t").empty()) return;  // a file without a tool path
    const std::string& countLine = lines[at++];
    int count = ReadCount(countLine, lines.size() - at);
    ToolPath& t = p.toolPath;
    for (int i = 1; i <= count; ++i) {
        const std::size_t line = at + 1;
        ToolPathOp o;
        try {
            std::vector<std::string> f = SplitFields(lines[at++]);
            o.Typ = FieldInt16(f.at(0));
            double* fields[] = {&o.CX, &o.CY, &o.R,    &o.Comp, &o.Group,
                                &o.X,  &o.Y,  &o.AuxX, &o.AuxY};
            for (std::size_t k = 0; k < 9; ++k)
                *fields[k] = FieldNumber(f.at(k + 1));
            o.Label = f.at(10);
            o.NCText = f.at(11);
        } catch (const std::exception&) {
            skipped.push_back(line);
            continue;
        }
        const int16_t kind = BaseKind(o.Typ);
        if (kind < kNcPoint || (kind > kG3 && kind != kManualLine)) {
            skipped.push_back(line);
            continue;
        }
        // Compensation is switched only on straight cutting moves.
        if (kind != kG1 || !(o.Comp == kCompLeft || o.Comp == kCompRight || o.Comp == kCompOff))
            o.Comp = kCompNone;
        t.Ops.push_back(o);
        ++t.Count;
    }
}

}  // namespace

bool LoadGEO(Program& p, std::string& name) {
    // Quotes round the whole name are not part of it; a quote inside it is.
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    const Language& l = p.language;
    if (!FileExists(name)) {
        p.ui.MessageBox(MissingFileText(l, name), l.GetText(1065), MsgButtons::Ok,
                        MsgIcon::Critical);
        return false;
    }
    NewDrawing(p);
    std::vector<std::string> lines;
    std::vector<std::size_t> skipped;
    ReadStatus status = ReadStatus::Ok;
    bool known = true;
    const bool read = Guarded(p, "LoadGEO() - " + name, [&] {
        status = ReadTextFile(name, lines);
        if (status == ReadStatus::TooLarge) return;
        if (status != ReadStatus::Ok) throw VtError(kErrFileNotFound);
        if (lines.empty()) return;
        const std::string identifier = SplitFields(lines[0]).at(0);
        if (identifier != "Ortix Veltrum" && identifier != kNativeIdentifier) {
            known = false;
            return;
        }
        if (lines.size() < 6) throw VtError(kErrInputPastEnd);
        std::size_t at = 6;
        for (std::size_t i = 1; i < 6; ++i)
            JobValuesFromLine(SplitFields(lines[i]).at(0), p.jobSettings);
        if (identifier == "Ortix Veltrum") {
            ReadObjects(p, lines, at);
        } else {
            ReadObjects(p, lines, at);
            ReadToolPath(p, lines, at, skipped);
        }
    });
    if (status == ReadStatus::TooLarge) {
        CannotRead(p, name, ReadProblem(p, status));
        return false;
    }
    if (!read) return false;  // reported with the file's name in the trail
    if (!known) {
        CannotRead(p, name, l.GetText(2321));
        return false;
    }
    if (lines.empty()) return true;  // an empty file: an empty drawing, the view as it was
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
    if (!skipped.empty()) {
        std::string numbers;
        for (std::size_t n : skipped)
            numbers += (numbers.empty() ? " " : ", ") + std::to_string(n);
        p.ui.MessageBox(l.GetText(2325) + numbers + "\r\n" + name, l.GetText(1065), MsgButtons::Ok,
                        MsgIcon::Exclamation);
    }
    return true;
}

}  // namespace vt
