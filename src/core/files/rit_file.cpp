// The exchange file: a document's bytes, and reading bytes into a document.
#include "files/rit_file.h"

#include <cmath>
#include <cstring>

#include "base/vt_error.h"
#include "geometry/primitives.h"
#include "model/drawing_ops.h"

namespace vt {

namespace {

constexpr uint16_t kBegin = 0xC000, kEnd = 0xA000, kData = 0x8000;

class Writer {
  public:
    void Raw(const void* p, std::size_t n) { out_.append(static_cast<const char*>(p), n); }
    template <class T>
    void Le(T v) {
        unsigned char b[sizeof(T)];
        std::memcpy(b, &v, sizeof(T));  // the machines this runs on are little-endian
        Raw(b, sizeof(T));
    }
    void Begin(uint16_t tag) {
        Le<uint16_t>(tag);
        Le<uint16_t>(kBegin);
    }
    void End() {
        Le<uint16_t>(0);
        Le<uint16_t>(kEnd);
    }
    template <class T>
    void Item(uint16_t tag, T v) {
        Le<uint16_t>(tag);
        Le<uint16_t>(kData);
        Le<uint32_t>(sizeof(T));
        Le<T>(v);
    }
    void Pair(uint16_t tag, double a, double b) {
        Le<uint16_t>(tag);
        Le<uint16_t>(kData);
        Le<uint32_t>(16);
        Le<double>(a);
        Le<double>(b);
    }
    const std::string& Bytes() const { return out_; }

  private:
    std::string out_;
};

void Attributes(Writer& w, int16_t kind) {
    w.Item<int16_t>(9, kind);
    w.Item<int16_t>(10, 0);
    w.Item<int16_t>(11, 1);
    w.Item<int16_t>(12, 0);
}

}  // namespace

std::string RitBytes(const Document& doc) {
    Writer w;
    w.Raw(kRitSignature, 16);
    w.Le<int32_t>(0);
    w.Le<uint8_t>(8);
    w.Begin(1);
    w.Le<uint16_t>(2);
    w.Le<uint16_t>(kData);
    w.Le<uint32_t>(1);
    w.Le<uint8_t>(0);
    w.Item<double>(3, 2.0);
    w.Item<double>(27, 0.5);
    w.Item<double>(28, 1.5);
    w.Item<double>(29, 0.75);
    w.Item<int32_t>(30, 2);
    w.Item<int32_t>(24, 2);
    w.End();
    w.Begin(4);
    const Drawing& d = doc.drawing;
    for (int i = 1; i <= d.ObjectCount; ++i) {
        const RitObjekt& o = d.Obj(i);
        if (o.Typ == kRitPoint) {
            w.Begin(5);
            Attributes(w, 9);
            w.Pair(13, o.X1, o.Y1);
            w.End();
        } else if (o.Typ == kCircle) {
            w.Begin(7);
            Attributes(w, 12);
            w.Pair(13, o.CX + o.R, o.CY);
            w.Pair(14, o.CX + o.R, o.CY);
            w.Pair(16, 0, kTwoPi);
            w.Item<double>(18, o.R);
            w.Pair(15, o.CX, o.CY);
            w.Item<double>(17, kTwoPi);
            w.End();
        } else if (o.Typ == kLine) {
            LineMeasure m = LineLen(o.X1, o.Y1, o.X2, o.Y2);
            w.Begin(6);
            Attributes(w, 10);
            w.Pair(13, o.X1, o.Y1);
            w.Pair(14, o.X2, o.Y2);
            w.Pair(16, m.AngleRad, 0);
            w.Item<double>(18, m.Length);
            w.End();
        }
    }
    w.End();
    return w.Bytes();
}

void ReadRit(std::string_view bytes, Document& doc, RitRead& info) {
    Drawing& d = doc.drawing;
    if (bytes.size() < 20 || std::memcmp(bytes.data(), kRitSignature, 16) != 0) {
        info.known = false;
        return;
    }
    std::size_t at = 21;  // the byte at offset 20 is read and not used
    auto have = [&](std::size_t n) { return at + n <= bytes.size(); };
    auto get = [&](auto& v) {
        std::memcpy(&v, bytes.data() + at, sizeof v);
        at += sizeof v;
    };
    int depth = 0;
    uint16_t kind = 0, parent = 0;
    int16_t attributes = 0, objectClass = 0;
    double first[2] = {0, 0}, second[2] = {0, 0}, centre[2] = {0, 0}, radius = 0;
    while (have(4)) {
        uint16_t tag, flags;
        get(tag);
        get(flags);
        if (tag == 0 && flags == 0) break;
        if (flags & 0x4000) {
            ++depth;
            parent = kind;
            kind = tag;
        } else if (flags & 0x2000) {
            if (--depth < 0) break;
            const bool skipped = objectClass == 8 || (attributes & 0x200);
            // Numbers that are not finite or beyond the coordinate limit never enter the
            // drawing.
            bool fits = true;
            for (double v : {first[0], first[1], second[0], second[1]})
                fits = fits && std::isfinite(v) && std::fabs(v) <= kCoordLimit;
            const bool finite =
                std::isfinite(centre[0]) && std::isfinite(centre[1]) && std::isfinite(radius);
            if (!skipped && (!finite || (!fits && (kind == 5 || kind == 6)))) ++info.skipped;
            if (!skipped && finite && (fits || kind == 7)) {
                if (kind == 5) {
                    AddRitPoint(d, first[0], first[1], false, false);
                } else if (kind == 6) {
                    AddLine(d, first[0], first[1], second[0], second[1], false, false);
                } else if (kind == 7) {
                    bool fits = std::fabs(radius) <= kCoordLimit &&
                                std::fabs(centre[0]) <= kCoordLimit &&
                                std::fabs(centre[1]) <= kCoordLimit;
                    if (fits || !info.circleRefused) {
                        double r = radius;
                        if (!AddArc(d, centre[0], centre[1], 0, 0, r, false, false))
                            info.circleRefused = true;
                    }
                }
            }
            kind = parent;
        } else {
            if (!have(4)) throw VtError(kErrInputPastEnd);
            uint32_t length;
            get(length);
            if (!have(length)) throw VtError(kErrInputPastEnd);  // the file is cut off
            auto pair = [&](double* v) {
                if (length == 16) std::memcpy(v, bytes.data() + at, 16);
            };
            switch (tag) {
                case 9:
                    if (length == 2) std::memcpy(&attributes, bytes.data() + at, 2);
                    break;
                case 11:
                    if (length == 2) std::memcpy(&objectClass, bytes.data() + at, 2);
                    break;
                case 13:
                    pair(first);
                    break;
                case 14:
                    pair(second);
                    break;
                case 15:
                    pair(centre);
                    break;
                case 18:
                    if (length == 8) std::memcpy(&radius, bytes.data() + at, 8);
                    break;
                default:
                    break;
            }
            at += length;
        }
    }
}

}  // namespace vt
