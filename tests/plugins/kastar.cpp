// A test plug-in "kastar": registers in the catch-all category and throws from its command.
#include <cstring>
#include <stdexcept>

#include "plugin.h"

namespace {

class Thrower final : public veltrum::Plugin {
  public:
    void sethost(veltrum::Host* host) override {
        host->RegisterPlugin(0, "Kasta", 1);
        host->RegisterPlugin(9, "Kasta igen", 2);
    }
    void startup(int16_t command) override {
        if (command == 1) throw std::runtime_error("the plug-in failed");
        throw 42;
    }
    std::string PluginName() override { return "Kastar"; }
    std::string PluginVersion() override { return "0"; }
    std::string PluginDesc() override { return ""; }
    bool can(int16_t) override { return false; }
    void setup() override {}
};

}  // namespace

extern "C" {
__attribute__((visibility("default"))) int VeltrumPluginAbi() {
    return veltrum::kPluginAbi;
}
__attribute__((visibility("default"))) veltrum::Plugin* VeltrumCreatePlugin(const char* className) {
    return std::strcmp(className, "kastar.plugin") == 0 ? new Thrower : nullptr;
}
}
