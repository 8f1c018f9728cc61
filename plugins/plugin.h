// The plug-in interface of Veltrum32.
//
// A plug-in is a shared library in the program folder's plugins/ folder. It exports
//     extern "C" veltrum::Plugin* VeltrumCreatePlugin(const char* className);
// which creates the plug-in object whose class name is asked for (the library's base name
// followed by ".plugin", for example "bulthal.plugin" for plugins/bulthal.so), or returns null.
// The program deletes the object through its virtual destructor before it unloads the library.
// Plug-ins are built with the same compiler and C++ library as the program (the std::string
// arguments cross the boundary); VeltrumPluginAbi must return kPluginAbi.
#pragma once

#include <cstdint>
#include <string>

namespace veltrum {

inline constexpr int kPluginAbi = 1;

// A drawing object as the plug-in sees it (the program's own record, field by field).
struct DrawingObject {
    int16_t Typ = 0;  // 1 line, 2 circle or arc, 3 drawing point
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double CX = 0, CY = 0, R = 0;
    double Reserved = 0;
    double StartAngle = 0, EndAngle = 0;  // radians; both 0: a full circle
    bool Temp = false, Deleted = false, Selected = false, Highlight = false;
    int32_t Color = 0;
};

// pVar's answer: a number, a text or a boolean.
struct Value {
    enum Kind { Number, Text, Boolean } kind = Boolean;
    double number = 0;
    std::string text;
    bool boolean = false;
};

// What the program offers a plug-in. Every call is made on the program's own thread, from
// sethost, startup or setup.
class Host {
  public:
    // Adds "caption*" to a menu: 1 Arkiv, 2 Cirkel, 3 Linje, 4 Punkt, 5 Modifiera, 6 NC, 7 Zoom,
    // any other number the Plugin:er menu. Choosing it calls startup(command).
    virtual void RegisterPlugin(int16_t category, const std::string& caption, int16_t command) = 0;
    // Names the routine now running in the program's error reports.
    virtual void pAddLocation(const std::string& routine) = 0;
    // 0 the number of drawing objects, 1 of snap points, 16 and 17 the axis letters.
    virtual Value pVar(int16_t which) = 0;
    // The value dialog with one text field; true when confirmed.
    virtual bool pTextInput(std::string& text) = 0;
    // The value dialog with up to three labelled fields (an empty label hides its row); on OK
    // each non-empty field is copied back and the result is true.
    virtual bool pInput(const std::string& label1, std::string& value1, const std::string& label2,
                        std::string& value2, const std::string& label3, std::string& value3) = 0;
    // Ask the user to pick; false when the command was cancelled or replaced.
    virtual bool pGetPointInput(double& x, double& y) = 0;
    virtual bool pGetLineInput(double& x1, double& y1, double& x2, double& y2) = 0;
    virtual bool pGetArcInput(double& cx, double& cy, double& r, double& startAngle,
                              double& endAngle) = 0;
    // Lets the user mark circles (176), lines (177) or points (178).
    virtual void pSelectSave(int16_t mode) = 0;
    virtual void pRepaint() = 0;
    // Object index from 1 to pVar(0); false for an index outside the table.
    virtual bool pRitObjekt(int16_t index, DrawingObject& object) = 0;
    virtual bool pUpdateRitObjekt(int16_t index, const DrawingObject& object) = 0;
    // Appends a tool path move (kinds as the program's: 0 G0, 1 G1, 2 G2, 3 G3, -1 NC point).
    virtual void AddVV(int16_t typ, double x, double y, double ignored, double cx, double cy,
                       double r, bool incremental) = 0;
    // Adds objects (not in the classic host; a plug-in that draws needs them). Each returns false
    // when the drawing refused it.
    virtual bool AddLine(double x1, double y1, double x2, double y2) = 0;
    virtual bool AddCircle(double cx, double cy, double r) = 0;
    virtual bool AddPoint(double x, double y) = 0;

  protected:
    ~Host() = default;
};

// What a plug-in object offers the program.
class Plugin {
  public:
    virtual ~Plugin() = default;
    // The host stays valid for the plug-in's whole life; RegisterPlugin may be called from here.
    virtual void sethost(Host* host) = 0;
    virtual void startup(int16_t command) = 0;
    virtual std::string PluginName() = 0;
    virtual std::string PluginVersion() = 0;
    virtual std::string PluginDesc() = 0;
    // can(1): whether setup() shows a set-up dialog.
    virtual bool can(int16_t what) = 0;
    virtual void setup() = 0;
};

}  // namespace veltrum

extern "C" {
typedef veltrum::Plugin* (*VeltrumCreatePluginFn)(const char* className);
typedef int (*VeltrumPluginAbiFn)();
}
