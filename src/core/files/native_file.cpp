// SaveGEO and LoadGEO.
#include "files/native_file.h"

#include <algorithm>

#include "app/error_report.h"
#include "app/program.h"
#include "app/text_file.h"
#include "files/fields.h"
#include "model/drawing_ops.h"
#include "model/snap_points.h"

namespace vt {

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
        const RitObjekt& o = d.Obj(i);
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
        for (double v : {o.CX, o.CY, o.R, o.Spare1, o.Spare2, o.X, o.Y, o.AuxX, o.AuxY})
            s += "," + WriteNumber(v);
        s += "," + WriteString(o.Label) + "," + WriteString(o.NCText) + nl;
    }
    return s;
}

bool SaveGEO(Program& p, const std::string& name) {
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
        CheckCount(d.ObjectCount);
        d.Objects.push_back(o);
        ++d.ObjectCount;
    }
}

void ReadToolPath(Program& p, const std::vector<std::string>& lines, std::size_t& at) {
    if (at >= lines.size() || Trim(lines[at], " \t").empty()) return;  // a file without a tool path
    const std::string& countLine = lines[at++];
    int count = ReadCount(countLine, lines.size() - at);
    ToolPath& t = p.toolPath;
    for (int i = 1; i <= count; ++i) {
        ToolPathOp o;
        // A malformed line keeps what was read of it; reading goes on with the next.
        try {
            std::vector<std::string> f = SplitFields(lines[at++]);
            o.Typ = FieldInt16(f.at(0));
            double* fields[] = {&o.CX, &o.CY, &o.R,    &o.Spare1, &o.Spare2,
                                &o.X,  &o.Y,  &o.AuxX, &o.AuxY};
            for (std::size_t k = 0; k < 9; ++k)
                *fields[k] = FieldNumber(f.at(k + 1));
            o.Label = f.at(10);
            o.NCText = f.at(11);
        } catch (const std::exception&) {
        }
        t.Ops.push_back(o);
        ++t.Count;
    }
}

}  // namespace

bool LoadGEO(Program& p, std::string& name) {
    name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
    const Language& l = p.language;
    if (!FileExists(name)) {
        p.ui.MessageBox(l.GetText(1061) + name + l.GetText(1062), l.GetText(1065), MsgButtons::Ok,
                        MsgIcon::Critical);
        return false;
    }
    NewDrawing(p);
    std::vector<std::string> lines;
    Guarded(p, "LoadGEO() - " + name, [&] {
        if (!ReadTextLines(name, lines)) throw VtError(kErrFileNotFound);
        if (lines.empty()) return;
        if (lines.size() < 6) throw VtError(kErrInputPastEnd);
        const std::string identifier = SplitFields(lines[0]).at(0);
        std::size_t at = 6;
        for (std::size_t i = 1; i < 6; ++i)
            JobValuesFromLine(SplitFields(lines[i]).at(0), p.jobSettings);
        if (identifier == "Ortix Veltrum") {
            ReadObjects(p, lines, at);
        } else if (identifier == kNativeIdentifier) {
            ReadObjects(p, lines, at);
            ReadToolPath(p, lines, at);
        }
    });
    if (lines.empty()) return true;  // an empty file: an empty drawing, the view as it was
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.Refresh();
    return true;
}

}  // namespace vt
