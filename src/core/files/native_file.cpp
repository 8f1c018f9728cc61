// The native drawing file: its text, and reading it into a document.
#include "files/native_file.h"

#include <algorithm>
#include <cmath>

#include "base/text_file.h"
#include "base/vt_error.h"
#include "files/fields.h"
#include "model/drawing_ops.h"

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

std::string NativeText(const Document& doc) {
    const std::string nl = "\r\n";
    std::string s = WriteString(kNativeIdentifier) + ",1" + nl;
    // The first reserved line keeps the drawing's job settings; readers ignore these lines.
    s += WriteString(JobValuesToLine(doc.job)) + nl;
    for (int i = 1; i < 5; ++i)
        s += "\"\"" + nl;
    const Drawing& d = doc.drawing;
    s += std::to_string(d.ObjectCount) + nl;
    for (int i = 1; i <= d.ObjectCount; ++i) {
        const RitObjekt o = Stored(d.Obj(i));
        s += std::to_string(o.Typ);
        for (double v : {o.CX, o.CY, o.R, o.Reserved, o.X1, o.Y1, o.X2, o.Y2})
            s += "," + WriteNumber(v);
        s += nl;
    }
    const ToolPath& t = doc.toolPath;
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

int FirstNonFinite(const Document& doc) {
    for (int i = 1; i <= doc.drawing.ObjectCount; ++i) {
        const RitObjekt& o = doc.drawing.Obj(i);
        for (double v :
             {o.CX, o.CY, o.R, o.Reserved, o.X1, o.Y1, o.X2, o.Y2, o.StartAngle, o.EndAngle})
            if (!std::isfinite(v)) return i;
    }
    for (int i = 1; i <= doc.toolPath.Count; ++i) {
        const ToolPathOp& o = doc.toolPath.Op(i);
        for (double v : {o.CX, o.CY, o.R, o.Comp, o.Group, o.X, o.Y, o.AuxX, o.AuxY})
            if (!std::isfinite(v)) return -i;
    }
    return 0;
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

void ReadObjects(Drawing& d, const std::vector<std::string>& lines, std::size_t& at) {
    if (at >= lines.size()) throw VtError(kErrInputPastEnd);
    const std::string& countLine = lines[at++];
    int count = ReadCount(countLine, lines.size() - at);
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
void ReadToolPath(ToolPath& t, const std::vector<std::string>& lines, std::size_t& at,
                  std::vector<std::size_t>& skipped) {
    if (at >= lines.size() || Trim(lines[at], " \t").empty()) return;  // a file without a tool path
    const std::string& countLine = lines[at++];
    int count = ReadCount(countLine, lines.size() - at);
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

NativeRead ReadNative(const std::vector<std::string>& lines, Document& doc) {
    NativeRead r;
    if (lines.empty()) return r;
    const std::string identifier = SplitFields(lines[0]).at(0);
    if (identifier != "Ortix Veltrum" && identifier != kNativeIdentifier) {
        r.known = false;
        return r;
    }
    if (lines.size() < 6) throw VtError(kErrInputPastEnd);
    std::size_t at = 6;
    for (std::size_t i = 1; i < 6; ++i)
        JobValuesFromLine(SplitFields(lines[i]).at(0), doc.job);
    ReadObjects(doc.drawing, lines, at);
    if (identifier != "Ortix Veltrum") ReadToolPath(doc.toolPath, lines, at, r.skippedMoves);
    return r;
}

}  // namespace vt
