// The view: scale and pan offsets of the drawing surface, its current size, and the printer
// page when printing.
#pragma once

#include <cstdint>

namespace vt {

struct ViewState {
    double Skala = 1.0;  // drawing units per pixel
    double OffsetX = 0;  // pixels
    double OffsetY = 0;  // pixels, positive moves the drawing up
    bool ViewChanged = true;
    int W = 640;  // surface size in pixels
    int H = 400;
    int printerW = 0, printerH = 0;  // printable page size in printer pixels
    bool paintTimerEnabled = false;  // tmr_paint: one deferred repaint after zoom steps
    int64_t paintStart = 0;          // tick (ms) at the start of the last paint
    bool showPaintTime = false;
    int16_t arcCount = 0;
};

// The mouse as the surface last saw it.
struct MouseState {
    int16_t MouseX = 0, MouseY = 0;  // pixels; MouseY holds the row negated
    float MouseWorldX = 0, MouseWorldY = 0;
    bool PanActive = false;
    int16_t PanStartX = 0, PanStartY = 0;
    double PanStartOffsetX = 0, PanStartOffsetY = 0;
    bool ShowHoverInfo = false;
    bool HoverShown = false;
    bool HoverInfoShown = false;
};

}  // namespace vt
