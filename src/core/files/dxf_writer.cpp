// Writing ASCII DXF: R12 with no more than a layer table, or R2000 with the tables, blocks and
// objects that version asks for, entities owned by the model space and handled.
#include "files/dxf_writer.h"

#include <charconv>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "base/text_file.h"
#include "geometry/arc_span.h"

namespace vt {

namespace {

constexpr double kDegrees = 180 / M_PI;

// The shortest text that reads back as the same double.
std::string Exact(double v) {
    if (v == 0) return "0.0";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, r.ptr);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
}

// Angles for DXF: degrees in [0, 360).
double Degrees(double radians) {
    double d = std::fmod(radians * kDegrees, 360.0);
    if (d < 0) d += 360;
    return d >= 360 ? 0 : d;
}

class Writer {
  public:
    explicit Writer(DxfVersion v) : v_(v) {}

    void Pair(int code, const std::string& value) {
        std::string c = std::to_string(code);
        out_ += std::string(c.size() < 3 ? 3 - c.size() : 0, ' ') + c + "\r\n" + value + "\r\n";
    }
    void Num(int code, double v) { Pair(code, Exact(v)); }
    // A run of group codes and values as they stand.
    void Pairs(std::initializer_list<std::pair<int, std::string>> run) {
        for (const auto& [code, value] : run)
            Pair(code, value);
    }
    void Int(int code, long v) { Pair(code, std::to_string(v)); }
    std::string Handle() {
        char buf[20];
        const auto r = std::to_chars(buf, buf + sizeof buf, next_++, 16);
        return ToUpperAscii(std::string(buf, r.ptr));
    }
    bool R2000() const { return v_ == DxfVersion::R2000; }

    // The start of an entity on the layer; R2000 gives it a handle, its owner and class.
    void Entity(const char* kind, const char* layer, const char* subclass) {
        Pair(0, kind);
        if (R2000()) {
            Pair(5, Handle());
            Pair(330, modelSpace_);
            Pair(100, "AcDbEntity");
        }
        Pair(8, layer);
        if (R2000() && subclass) Pair(100, subclass);
    }
    void Line(const char* layer, double x1, double y1, double x2, double y2) {
        Entity("LINE", layer, "AcDbLine");
        Num(10, x1);
        Num(20, y1);
        Num(30, 0);
        Num(11, x2);
        Num(21, y2);
        Num(31, 0);
    }
    void Circle(const char* layer, double cx, double cy, double r) {
        Round("CIRCLE", layer, cx, cy, r);
    }
    // Counter-clockwise from a1 to a2 (radians).
    void Arc(const char* layer, double cx, double cy, double r, double a1, double a2) {
        Round("ARC", layer, cx, cy, r);
        if (R2000()) Pair(100, "AcDbArc");
        Num(50, Degrees(a1));
        Num(51, Degrees(a2));
    }
    void Point(const char* layer, double x, double y) {
        Entity("POINT", layer, "AcDbPoint");
        Num(10, x);
        Num(20, y);
        Num(30, 0);
    }

    std::string& Out() { return out_; }
    std::string modelSpace_ = "1F";
    unsigned long next_ = 0x100;

  private:
    void Round(const char* kind, const char* layer, double cx, double cy, double r) {
        Entity(kind, layer, "AcDbCircle");
        Num(10, cx);
        Num(20, cy);
        Num(30, 0);
        Num(40, r);
    }

    DxfVersion v_;
    std::string out_;
};

void DrawingEntities(Writer& w, const Drawing& d) {
    for (int i = 1; i <= d.ObjectCount; ++i) {
        const RitObjekt& o = d.Obj(i);
        if (o.Deleted || o.Temp) continue;
        if (o.Typ == kLine) {
            w.Line("0", o.X1, o.Y1, o.X2, o.Y2);
        } else if (o.Typ == kRitPoint) {
            w.Point("0", o.X1, o.Y1);
        } else if (o.Typ == kCircle) {
            // A negative radius draws the circle mirrored through its centre.
            const double r = std::fabs(o.R), turn = o.R < 0 ? M_PI : 0;
            if (IsPartArc(o))
                w.Arc("0", o.CX, o.CY, r, o.StartAngle + turn, o.EndAngle + turn);
            else
                w.Circle("0", o.CX, o.CY, r);
        }
    }
}

// The moves as the machine makes them, from the origin: rapids and cuts as lines and arcs.
void ToolPathEntities(Writer& w, const ToolPath& t) {
    double x = 0, y = 0;
    for (int i = 1; i <= t.Count; ++i) {
        const ToolPathOp& o = t.Op(i);
        const int16_t kind = BaseKind(o.Typ);
        if (kind == kManualLine) continue;
        if (kind == kNcPoint) {
            w.Point(kDxfToolPathLayer, o.X, o.Y);
        } else if (kind == kG0 || kind == kG1) {
            if (o.X != x || o.Y != y)
                w.Line(kind == kG0 ? kDxfRapidLayer : kDxfToolPathLayer, x, y, o.X, o.Y);
        } else if (kind == kG2 || kind == kG3) {
            const double r = std::fabs(o.R);
            if (o.X == x && o.Y == y) {
                w.Circle(kDxfToolPathLayer, o.CX, o.CY, r);
            } else {
                const double a = std::atan2(y - o.CY, x - o.CX),
                             b = std::atan2(o.Y - o.CY, o.X - o.CX);
                if (kind == kG3)
                    w.Arc(kDxfToolPathLayer, o.CX, o.CY, r, a, b);
                else
                    w.Arc(kDxfToolPathLayer, o.CX, o.CY, r, b, a);
            }
        }
        x = o.X;
        y = o.Y;
    }
}

struct LayerRow {
    const char* name;
    int colour;
};
const LayerRow kLayers[] = {{"0", 7}, {kDxfToolPathLayer, 1}, {kDxfRapidLayer, 3}};

std::string R12(const Drawing& d, const ToolPath& t) {
    Writer w(DxfVersion::R12);
    w.Pairs({{0, "SECTION"}, {2, "HEADER"},     {9, "$ACADVER"}, {1, "AC1009"},     {0, "ENDSEC"},
             {0, "SECTION"}, {2, "TABLES"},     {0, "TABLE"},    {2, "LTYPE"},      {70, "1"},
             {0, "LTYPE"},   {2, "CONTINUOUS"}, {70, "0"},       {3, "Solid line"}, {72, "65"},
             {73, "0"},      {40, "0.0"},       {0, "ENDTAB"},   {0, "TABLE"},      {2, "LAYER"}});
    w.Int(70, std::size(kLayers));
    for (const LayerRow& l : kLayers) {
        w.Pairs({{0, "LAYER"}, {2, l.name}, {70, "0"}});
        w.Int(62, l.colour);
        w.Pair(6, "CONTINUOUS");
    }
    w.Pairs({{0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}});
    DrawingEntities(w, d);
    ToolPathEntities(w, t);
    w.Pair(0, "ENDSEC");
    w.Pair(0, "EOF");
    return w.Out();
}

// R2000: every table, block and object that version expects, each with its handle and owner.
std::string R2000(const Drawing& d, const ToolPath& t) {
    Writer w(DxfVersion::R2000);
    // Fixed handles for the structure; entities count on from 0x100.
    const std::string rootDict = "C", groupDict = "D", modelRecord = "1F", paperRecord = "1E",
                      blockTable = "1", layerTable = "2", ltypeTable = "5", styleTable = "3",
                      appTable = "9", dimTable = "A", vportTable = "8", viewTable = "6",
                      ucsTable = "7", modelBlock = "20", modelEnd = "21", paperBlock = "1C",
                      paperEnd = "1D";
    std::string body;
    {
        // The entities first: the header's $HANDSEED must lie above every handle.
        Writer e(DxfVersion::R2000);
        e.modelSpace_ = modelRecord;
        DrawingEntities(e, d);
        ToolPathEntities(e, t);
        body = e.Out();
        w.next_ = e.next_;
    }
    auto table = [&](const char* name, const std::string& handle, int count) {
        w.Pairs({{0, "TABLE"}, {2, name}, {5, handle}, {330, "0"}, {100, "AcDbSymbolTable"}});
        w.Int(70, count);
    };
    auto record = [&](const char* kind, const std::string& owner, const char* subclass,
                      const char* name) {
        w.Pair(0, kind);
        w.Pair(std::string(kind) == "DIMSTYLE" ? 105 : 5, w.Handle());
        w.Pairs(
            {{330, owner}, {100, "AcDbSymbolTableRecord"}, {100, subclass}, {2, name}, {70, "0"}});
    };
    w.Pairs({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1015"}, {9, "$HANDSEED"}});
    w.Pair(5, "SEED");  // filled in at the end
    w.Pair(9, "$INSUNITS");
    w.Int(70, 4);  // millimetres
    w.Pairs({{9, "$MEASUREMENT"},
             {70, "1"},
             {0, "ENDSEC"},
             {0, "SECTION"},
             {2, "CLASSES"},
             {0, "ENDSEC"},
             {0, "SECTION"},
             {2, "TABLES"}});
    table("VPORT", vportTable, 0);
    w.Pair(0, "ENDTAB");
    table("LTYPE", ltypeTable, 3);
    for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
        record("LTYPE", ltypeTable, "AcDbLinetypeTableRecord", name);
        w.Pairs({{3, std::string(name) == "Continuous" ? "Solid line" : ""},
                 {72, "65"},
                 {73, "0"},
                 {40, "0.0"}});
    }
    w.Pair(0, "ENDTAB");
    table("LAYER", layerTable, std::size(kLayers));
    for (const LayerRow& l : kLayers) {
        record("LAYER", layerTable, "AcDbLayerTableRecord", l.name);
        w.Int(62, l.colour);
        w.Pair(6, "Continuous");
    }
    w.Pair(0, "ENDTAB");
    table("STYLE", styleTable, 1);
    record("STYLE", styleTable, "AcDbTextStyleTableRecord", "Standard");
    w.Pairs({{40, "0.0"},
             {41, "1.0"},
             {50, "0.0"},
             {71, "0"},
             {42, "2.5"},
             {3, "txt"},
             {4, ""},
             {0, "ENDTAB"}});
    table("VIEW", viewTable, 0);
    w.Pair(0, "ENDTAB");
    table("UCS", ucsTable, 0);
    w.Pair(0, "ENDTAB");
    table("APPID", appTable, 1);
    record("APPID", appTable, "AcDbRegAppTableRecord", "ACAD");
    w.Pair(0, "ENDTAB");
    table("DIMSTYLE", dimTable, 1);
    w.Pair(100, "AcDbDimStyleTable");
    record("DIMSTYLE", dimTable, "AcDbDimStyleTableRecord", "Standard");
    w.Pair(0, "ENDTAB");
    table("BLOCK_RECORD", blockTable, 2);
    for (const auto& [handle, name] :
         {std::pair{modelRecord, "*Model_Space"}, {paperRecord, "*Paper_Space"}}) {
        w.Pairs({{0, "BLOCK_RECORD"},
                 {5, handle},
                 {330, blockTable},
                 {100, "AcDbSymbolTableRecord"},
                 {100, "AcDbBlockTableRecord"},
                 {2, name}});
    }
    w.Pairs({{0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "BLOCKS"}});
    for (const auto& [begin, end, owner, name] :
         {std::tuple{modelBlock, modelEnd, modelRecord, "*Model_Space"},
          {paperBlock, paperEnd, paperRecord, "*Paper_Space"}}) {
        w.Pairs({{0, "BLOCK"},
                 {5, begin},
                 {330, owner},
                 {100, "AcDbEntity"},
                 {8, "0"},
                 {100, "AcDbBlockBegin"},
                 {2, name},
                 {70, "0"},
                 {10, "0.0"},
                 {20, "0.0"},
                 {30, "0.0"},
                 {3, name},
                 {1, ""},
                 {0, "ENDBLK"},
                 {5, end},
                 {330, owner},
                 {100, "AcDbEntity"},
                 {8, "0"},
                 {100, "AcDbBlockEnd"}});
    }
    w.Pairs({{0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}});
    w.Out() += body;
    w.Pairs({{0, "ENDSEC"},
             {0, "SECTION"},
             {2, "OBJECTS"},
             {0, "DICTIONARY"},
             {5, rootDict},
             {330, "0"},
             {100, "AcDbDictionary"},
             {281, "1"},
             {3, "ACAD_GROUP"},
             {350, groupDict},
             {0, "DICTIONARY"},
             {5, groupDict},
             {330, rootDict},
             {100, "AcDbDictionary"},
             {281, "1"},
             {0, "ENDSEC"},
             {0, "EOF"}});
    std::string out = w.Out();
    out.replace(out.find("SEED\r\n"), 4, w.Handle());
    return out;
}

}  // namespace

std::string DxfText(const Drawing& d, const ToolPath& t, DxfVersion version) {
    return version == DxfVersion::R2000 ? R2000(d, t) : R12(d, t);
}

}  // namespace vt
