// Plug-ins: the libraries of the plugins folder, their menu entries and the host they call.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace veltrum {
class Plugin;
}

namespace vt {

class Program;
class ProgramHost;

struct LoadedPlugin {
    void* library = nullptr;
    veltrum::Plugin* object = nullptr;
    std::string file;
};

// The loaded plug-ins in the order their libraries were found; unloaded when the program ends.
class PluginSet {
  public:
    PluginSet();
    ~PluginSet();
    PluginSet(const PluginSet&) = delete;
    PluginSet& operator=(const PluginSet&) = delete;

    std::vector<LoadedPlugin> items;
    std::unique_ptr<ProgramHost> host;
};

// The menu array of a plug-in category: 1 mnuFilePlugins … 7 mnuZoomPlugins, else
// mnuPluginsPlugins.
const char* PluginMenuOf(int category);

// Loads every library of the program folder's plugins folder (the last start-up step). A library
// that cannot be loaded stops the loading with the message; those before it stay.
void LoadPlugins(Program& p);
// A plug-in menu entry was chosen: its tag is "p.c".
void RunPluginCommand(Program& p, const std::string& tag);

struct PluginRow {
    std::string name, version, description;
};
std::vector<PluginRow> PluginRows(Program& p);
bool PluginCanSetup(Program& p, int index);
void PluginSetup(Program& p, int index);
// The settings dialog's register button: every library must load and offer the factory.
void cmdRegPlugins_Click(Program& p);

}  // namespace vt
