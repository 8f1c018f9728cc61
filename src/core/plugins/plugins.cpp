// Finding, loading and calling plug-ins. Every call into a plug-in is a routine boundary: what it
// throws is reported and the drawing stays as it was left.
#include "plugins/plugins.h"
#include "commands/history.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#include "app/error_report.h"
#include "app/program.h"
#include "base/text_file.h"
#include "commands/command_reset.h"
#include "commands/mode_table.h"
#include "plugin.h"
#include "plugins/program_host.h"

namespace vt {

PluginSet::PluginSet() = default;

PluginSet::~PluginSet() {
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        delete it->object;
        if (it->library) ::dlclose(it->library);
    }
}

const char* PluginMenuOf(int category) {
    static const char* const kMenus[] = {"mnuFilePlugins",  "mnuArcPlugins",    "mnuLinePlugins",
                                         "mnuPointPlugins", "mnuModifyPlugins", "mnuNCPlugins",
                                         "mnuZoomPlugins"};
    return category >= 1 && category <= 7 ? kMenus[category - 1] : "mnuPluginsPlugins";
}

namespace {

// A call into a plug-in; anything it throws becomes an error report.
template <typename Body>
bool PluginCall(Program& p, const char* name, Body&& body) {
    p.errorTrail.Push(name);
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportError(p, ToVtError(e));
    } catch (const StopRequest&) {
        throw;
    } catch (...) {
        ReportError(p, VtError(kErrAutomation));
    }
    return false;
}

std::string PluginFolder(const Program& p) {
    return p.paths.File("plugins");
}

std::vector<std::string> LibraryFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.path().extension() == ".so") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// Opens the library and creates its object; empty on success, else what went wrong.
std::string Open(const std::string& file, LoadedPlugin& out) {
    out.file = file;
    out.library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!out.library) {
        const char* e = ::dlerror();
        return e ? e : file;
    }
    auto abi = reinterpret_cast<VeltrumPluginAbiFn>(::dlsym(out.library, "VeltrumPluginAbi"));
    auto create =
        reinterpret_cast<VeltrumCreatePluginFn>(::dlsym(out.library, "VeltrumCreatePlugin"));
    if (!abi || !create || abi() != veltrum::kPluginAbi) return file;
    const std::string className = std::filesystem::path(file).stem().string() + ".plugin";
    try {
        out.object = create(className.c_str());
    } catch (...) {
        out.object = nullptr;
    }
    return out.object ? std::string() : file;
}

void LoadFailed(Program& p, const std::string& what) {
    const Language& l = p.language;
    p.ui.MessageBox(
        l.GetText(1283) + "\r\n" + l.GetText(1292) + "\r\n" + l.GetText(1293) + "\r\n" + what,
        l.GetText(1284), MsgButtons::Ok, MsgIcon::Critical);
}

}  // namespace

void LoadPlugins(Program& p) {
    PluginSet& set = p.plugins;
    if (!set.host) set.host = std::make_unique<ProgramHost>(p);
    for (const std::string& file : LibraryFiles(PluginFolder(p))) {
        LoadedPlugin plugin;
        const std::string error = Open(file, plugin);
        if (!error.empty()) {
            delete plugin.object;
            if (plugin.library) ::dlclose(plugin.library);
            LoadFailed(p, error);
            return;
        }
        set.items.push_back(plugin);
        set.host->currentPlugin = static_cast<int>(set.items.size()) - 1;
        if (!PluginCall(p, "sethost", [&] { plugin.object->sethost(set.host.get()); })) return;
    }
}

void RunPluginCommand(Program& p, const std::string& tag) {
    const std::size_t dot = tag.find('.');
    if (dot == std::string::npos) return;
    const int index = std::atoi(tag.substr(0, dot).c_str());
    const int command = std::atoi(tag.substr(dot + 1).c_str());
    if (index < 0 || index >= static_cast<int>(p.plugins.items.size())) return;
    veltrum::Plugin* plugin = p.plugins.items[static_cast<std::size_t>(index)].object;
    // The command's title is its menu caption, as the program's own commands show theirs.
    std::string caption;
    for (const PluginMenuEntry& e : p.uiState.pluginMenus)
        if (e.tag == tag) caption = e.caption.substr(0, e.caption.size() - 1);
    // Whatever the plug-in changes, picks it waits for included, is one change.
    ChangeScope change(p, caption);
    ResetOperation(p);
    if (!caption.empty()) p.uiState.functionText = " " + ToUpperText(caption);
    PluginCall(p, "startup", [&] { plugin->startup(static_cast<int16_t>(command)); });
    // Done: no prompt of the command's picks stays, unless the plug-in left a marking mode on.
    if (p.cmd.Operation == 255 || p.cmd.Operation == OP_PLUGIN_DONE) ResetOperation(p);
    p.ui.StateChanged();
    p.ui.Refresh();
}

std::vector<PluginRow> PluginRows(Program& p) {
    std::vector<PluginRow> rows;
    for (const LoadedPlugin& l : p.plugins.items) {
        PluginRow r;
        PluginCall(p, "PluginName", [&] {
            r.name = l.object->PluginName();
            r.version = l.object->PluginVersion();
            r.description = l.object->PluginDesc();
        });
        rows.push_back(r);
    }
    return rows;
}

bool PluginCanSetup(Program& p, int index) {
    if (index < 0 || index >= static_cast<int>(p.plugins.items.size())) return false;
    bool can = false;
    PluginCall(p, "can",
               [&] { can = p.plugins.items[static_cast<std::size_t>(index)].object->can(1); });
    return can;
}

void PluginSetup(Program& p, int index) {
    if (!PluginCanSetup(p, index)) return;
    PluginCall(p, "setup",
               [&] { p.plugins.items[static_cast<std::size_t>(index)].object->setup(); });
}

void cmdRegPlugins_Click(Program& p) {
    const std::string folder = PluginFolder(p);
    if (!DirectoryExists(folder)) return;
    // Nothing to register with the system here: each library is checked to load and to create
    // its object, and one that does not is named.
    for (const std::string& file : LibraryFiles(folder)) {
        LoadedPlugin check;
        const std::string error = Open(file, check);
        delete check.object;
        if (check.library) ::dlclose(check.library);
        if (!error.empty()) LoadFailed(p, error);
    }
    p.ui.MessageBox(p.language.GetText(1285), p.language.GetText(1284), MsgButtons::Ok,
                    MsgIcon::Information);
}

}  // namespace vt
