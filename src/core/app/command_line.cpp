// Parsing of the command line.
#include "app/command_line.h"

#include "base/text_file.h"
#include "model/job_settings.h"

namespace vt {

namespace {

const JobField* JobOption(const std::string& option) {
    for (const JobField& f : JobFields())
        if (f.option && option == f.option) return &f;
    return nullptr;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    for (std::size_t i = 0; i < args.size() && c.error.empty(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                c.error = "option " + a + " needs a value";
                return;
            }
            out = args[++i];
        };
        auto onOff = [&](std::optional<bool>& out) {
            std::string v;
            value(v);
            if (!c.error.empty()) return;
            if (v == "on")
                out = true;
            else if (v == "off")
                out = false;
            else
                c.error = "option " + a + " takes on or off, not " + v;
        };
        if (a == "--home") {
            value(c.home);
        } else if (a.rfind("--home=", 0) == 0) {
            c.home = a.substr(7);
        } else if (a == "--batch") {
            value(c.batch);
        } else if (a == "--no-splash") {
            c.noSplash = true;
        } else if (a == "--help" || a == "-h") {
            c.help = true;
        } else if (a == "--version") {
            c.version = true;
        } else if (a == "--language") {
            value(c.language);
        } else if (a == "--nc") {
            value(c.nc);
        } else if (a == "--machine") {
            value(c.machine);
        } else if (a == "-o" || a == "--output") {
            value(c.output);
        } else if (a == "--contour") {
            c.contour = true;
        } else if (a == "--replace-path") {
            c.replacePath = true;
        } else if (a == "--block-numbers") {
            onOff(c.blockNumbers);
        } else if (a == "--comments") {
            onOff(c.comments);
        } else if (const JobField* f = JobOption(a)) {
            std::string v;
            value(v);
            if (!c.error.empty()) break;
            if (auto checked = NormaliseJobValue(*f, v))
                c.job.emplace_back(f->key, *checked);
            else
                c.error = "option " + a + ": \"" + v + "\" is not a value of " + f->key;
        } else if (a == "--dxf-version") {
            std::string v;
            value(v);
            if (!c.error.empty()) break;
            v = ToUpperAscii(v);
            if (v != "R12" && v != "R2000")
                c.error = "option --dxf-version takes R12 or R2000, not " + v;
            c.dxfVersion = v;
        } else if (a == "--convert") {
            if (i + 2 >= args.size()) {
                c.error = "option --convert needs an input and an output file";
            } else {
                c.convert = {args[i + 1], args[i + 2]};
                i += 2;
            }
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            c.error = "unknown option " + a;
        } else if (c.file.empty()) {
            c.file = a;
        } else {
            c.error = "only one drawing can be opened: " + a;
        }
    }
    if (c.error.empty() && !c.nc.empty() && c.machine.empty())
        c.error = "--nc needs --machine NAME";
    if (c.error.empty() && (c.contour || c.replacePath) && c.nc.empty())
        c.error = "--contour and --replace-path go with --nc";
    if (c.error.empty() && c.replacePath && !c.contour)
        c.error = "--replace-path goes with --contour";
    return c;
}

std::string UsageText() {
    return "Usage: veltrum32 [OPTION]... [DRAWING]\n"
           "Construct 2D geometry, lay a tool path on it and make the NC program for a machine.\n"
           "\n"
           "  DRAWING                   a drawing (.vgm), template (.vtm), older drawing (.geo) or "
           "DXF\n"
           "                            file to open in the window\n"
           "  --nc DRAWING --machine NAME [-o FILE] [--block-numbers on|off] [--comments on|off]\n"
           "                            write the NC program of DRAWING for machine NAME (its name "
           "or\n"
           "                            the base name of its .vtp file) to FILE or standard "
           "output,\n"
           "                            without a window; the job settings of the drawing can be\n"
           "                            changed with --program NAME --tool T --spindle S\n"
           "                            --direction cw|ccw --feed F --plunge-feed F --safe-z Z\n"
           "                            --depth D --depth-per-pass D --peck D\n"
           "                            --coolant off|flood|mist --z-moves on|off\n"
           "  --nc DRAWING --contour --machine NAME [--replace-path] [--tool-diameter D]\n"
           "                            [--compensation computed|control|off]\n"
           "                            [--lead none|line|arc] [--lead-size L] [--overlap L]\n"
           "                            every chain of DRAWING (a DXF part) as a contour: closed\n"
           "                            chains outside, holes inside and first, open chains on\n"
           "                            the line, climb milling (--direction ccw: a spindle\n"
           "                            turning the other way); a drawing with a tool path of\n"
           "                            its own keeps it unless --replace-path\n"
           "  --convert IN OUT [--dxf-version R12|R2000]\n"
           "                            read IN (.vgm .vtm .geo .dxf .rit) and write OUT (.vgm\n"
           "                            .vtm .rit .dxf; DXF R12 unless --dxf-version R2000)\n"
           "  --batch SCRIPT            run a script of commands without a window\n"
           "  --language FILE           use this language file (lang/*.LNG) instead of the chosen "
           "one\n"
           "  --home DIR                use DIR as the program folder (settings, machines, "
           "plug-ins)\n"
           "  --no-splash               start without the splash window\n"
           "  -h, --help                show this help and exit\n"
           "  --version                 show the version and exit\n"
           "\n"
           "The program folder is --home, else $VELTRUM32_HOME, else the program's own folder, "
           "or,\n"
           "for an installed program, $XDG_DATA_HOME/veltrum32 (~/.local/share/veltrum32).\n";
}

}  // namespace vt
