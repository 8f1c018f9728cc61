// The view: scale and pan offsets of the drawing surface, and its current size.
#pragma once

namespace vt {

struct ViewState {
    double Skala = 1.0;  // drawing units per pixel
    double OffsetX = 0;  // pixels
    double OffsetY = 0;  // pixels, positive moves the drawing up
    bool ViewChanged = true;
    int W = 640;  // surface size in pixels
    int H = 400;
    bool paintTimerEnabled = false;  // tmr_paint: one deferred repaint after zoom steps
};

}  // namespace vt
