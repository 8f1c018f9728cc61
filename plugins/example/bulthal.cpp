// Example plug-in "bulthal": a bolt-hole circle (Punkt menu), lengthening or shortening a line at a
// picked end (Modifiera menu), and a tool path round a picked circle (NC menu). Built into the
// program folder's plugins/ as bulthal.so.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "plugin.h"

namespace {

// The value dialog's numbers may use a decimal comma.
bool Number(std::string text, double& out) {
    for (char& c : text)
        if (c == ',') c = '.';
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(v)) return false;
    out = v;
    return true;
}

std::string Text(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

class BoltCircle final : public veltrum::Plugin {
  public:
    void sethost(veltrum::Host* host) override {
        host_ = host;
        host_->RegisterPlugin(4, "Bulthålscirkel", 1);
        host_->RegisterPlugin(5, "Förläng linje", 2);
        host_->RegisterPlugin(6, "Fräs cirkel", 3);
    }
    void startup(int16_t command) override {
        if (command == 1) Holes();
        if (command == 2) Lengthen();
        if (command == 3) MillCircle();
    }
    std::string PluginName() override { return "Bulthål"; }
    std::string PluginVersion() override { return "1.0"; }
    std::string PluginDesc() override { return "Bulthålscirkel och förlängning av linjer"; }
    bool can(int16_t what) override { return what == 1; }
    // The set-up: the hole count the command proposes.
    void setup() override {
        std::string count = Text(count_), unused2, unused3;
        if (!host_->pInput("Antal hål", count, "", unused2, "", unused3)) return;
        double n;
        if (Number(count, n) && n >= 1 && n <= 360) count_ = static_cast<int>(n);
    }

  private:
    // A centre, then radius, count and start angle: the pitch circle and a point per hole.
    void Holes() {
        host_->pAddLocation("Bulthal.Holes()");
        double cx = 0, cy = 0;
        if (!host_->pGetPointInput(cx, cy)) return;
        std::string radius = Text(radius_), count = Text(count_), start = Text(startAngle_);
        if (!host_->pInput("Radie", radius, "Antal hål", count, "Startvinkel", start)) return;
        double r = 0, n = 0, a0 = 0;
        if (!Number(radius, r) || !Number(count, n) || !Number(start, a0) || r <= 0 || n < 1 ||
            n > 360)
            return;
        radius_ = r;
        count_ = static_cast<int>(n);
        startAngle_ = a0;
        if (!host_->AddCircle(cx, cy, r)) return;
        for (int i = 0; i < count_; ++i) {
            const double a = (a0 + 360.0 * i / count_) * M_PI / 180.0;
            host_->AddPoint(cx + r * std::cos(a), cy + r * std::sin(a));
        }
        host_->pRepaint();
    }

    // A line, then the end to move, then the length to add (negative shortens).
    void Lengthen() {
        host_->pAddLocation("Bulthal.Lengthen()");
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (!host_->pGetLineInput(x1, y1, x2, y2)) return;
        // The host answers with the line's ends; the object is the selected line with those ends.
        int16_t index = 0;
        const int count = static_cast<int>(host_->pVar(0).number);
        veltrum::DrawingObject line;
        for (int16_t i = 1; i <= count; ++i) {
            veltrum::DrawingObject o;
            if (host_->pRitObjekt(i, o) && o.Typ == 1 && o.Selected && o.X1 == x1 && o.Y1 == y1 &&
                o.X2 == x2 && o.Y2 == y2) {
                index = i;
                line = o;
            }
        }
        if (index == 0) return;
        double px = 0, py = 0;
        if (!host_->pGetPointInput(px, py)) return;
        std::string length = Text(length_), unused2, unused3;
        if (!host_->pInput("Längd", length, "", unused2, "", unused3)) return;
        double add = 0;
        if (!Number(length, add)) return;
        length_ = add;
        const double len = std::hypot(x2 - x1, y2 - y1);
        if (len == 0 || len + add <= 0) return;
        const double ux = (x2 - x1) / len, uy = (y2 - y1) / len;
        // The picked point chooses the end: the one nearer to it moves.
        if (std::hypot(px - x1, py - y1) < std::hypot(px - x2, py - y2)) {
            line.X1 = x1 - ux * add;
            line.Y1 = y1 - uy * add;
        } else {
            line.X2 = x2 + ux * add;
            line.Y2 = y2 + uy * add;
        }
        line.Selected = false;
        host_->pUpdateRitObjekt(index, line);
        host_->pRepaint();
    }

    // A circle, then G2 or G3: a rapid move to the circle's point at the +X side and a full turn.
    void MillCircle() {
        host_->pAddLocation("Bulthal.MillCircle()");
        double cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
        if (!host_->pGetArcInput(cx, cy, r, a1, a2)) return;
        std::string direction = direction_;
        if (!host_->pTextInput(direction)) return;
        for (char& c : direction)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (direction != "G2" && direction != "G3") return;
        direction_ = direction;
        const double sx = cx + r, sy = cy;
        host_->AddVV(0, sx, sy, 0, 0, 0, 0, false);
        host_->AddVV(direction == "G2" ? 2 : 3, sx, sy, 0, cx, cy, r, false);
        host_->pRepaint();
    }

    veltrum::Host* host_ = nullptr;
    std::string direction_ = "G3";
    double radius_ = 50, startAngle_ = 0, length_ = 10;
    int count_ = 6;
};

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int VeltrumPluginAbi() {
    return veltrum::kPluginAbi;
}

__attribute__((visibility("default"))) veltrum::Plugin* VeltrumCreatePlugin(const char* className) {
    return std::strcmp(className, "bulthal.plugin") == 0 ? new BoltCircle : nullptr;
}
}
