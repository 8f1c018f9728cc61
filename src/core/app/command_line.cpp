// Parsing of the command line.
#include "app/command_line.h"

namespace vt {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                c.error = "option " + a + " needs a value";
                return;
            }
            out = args[++i];
        };
        if (a == "--home") {
            value(c.home);
        } else if (a.rfind("--home=", 0) == 0) {
            c.home = a.substr(7);
        } else if (a == "--batch") {
            value(c.batch);
        } else if (a == "--no-splash") {
            c.noSplash = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            c.error = "unknown option " + a;
        } else if (c.file.empty()) {
            c.file = a;
        } else {
            c.error = "only one drawing can be opened: " + a;
        }
        if (!c.error.empty()) break;
    }
    return c;
}

}  // namespace vt
