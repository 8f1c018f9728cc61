// The host side of the plug-in interface: what a plug-in may ask of the program.
#pragma once

#include "commands/drawing_edit.h"
#include "plugin.h"

namespace vt {

class Program;

class ProgramHost final : public veltrum::Host {
  public:
    explicit ProgramHost(Program& p) : p_(p) {}
    virtual ~ProgramHost() = default;

    // The index given to RegisterPlugin's entries: the plug-in being set up.
    int currentPlugin = -1;

    void RegisterPlugin(int16_t category, const std::string& caption, int16_t command) override;
    void pAddLocation(const std::string& routine) override;
    veltrum::Value pVar(int16_t which) override;
    bool pTextInput(std::string& text) override;
    bool pInput(const std::string& label1, std::string& value1, const std::string& label2,
                std::string& value2, const std::string& label3, std::string& value3) override;
    bool pGetPointInput(double& x, double& y) override;
    bool pGetLineInput(double& x1, double& y1, double& x2, double& y2) override;
    bool pGetArcInput(double& cx, double& cy, double& r, double& startAngle,
                      double& endAngle) override;
    void pSelectSave(int16_t mode) override;
    void pRepaint() override;
    bool pRitObjekt(int16_t index, veltrum::DrawingObject& object) override;
    bool pUpdateRitObjekt(int16_t index, const veltrum::DrawingObject& object) override;
    void AddVV(int16_t typ, double x, double y, double ignored, double cx, double cy, double r,
               bool incremental) override;
    bool AddLine(double x1, double y1, double x2, double y2) override;
    bool AddCircle(double cx, double cy, double r) override;
    bool AddPoint(double x, double y) override;

  private:
    // Waits, keeping the window alive, until the pick of `mode` is made or abandoned.
    bool WaitForPick(int16_t mode, int16_t kind, int prompt);
    Program& p_;
};

}  // namespace vt
