// Help menu commands.
#include "commands/help_commands.h"

#include "app/program.h"
#include "base/text_file.h"
#include "base/version.h"

namespace vt {

std::string GuidePath(const Program& p) {
    // Beside the program in a build, under share/doc in an installation, or in the user's folder.
    const std::string exe = ExecutableDir();
    for (const std::string& candidate :
         {JoinPath(exe, "doc/guide.html"), JoinPath(exe, "../share/doc/veltrum32/guide.html"),
          p.paths.File("doc/guide.html")})
        if (FileExists(candidate)) return AbsolutePath(candidate);
    return "";
}

std::string AboutText(const Program& p) {
    const Language& l = p.language;
    return std::string(kProgramTitle) + " " + kVersionText + "\r\n\r\n" + l.GetText(1270) +
           p.paths.folder + "\r\n" + l.GetText(1271) + p.paths.SettingsFile() + "\r\n" +
           l.GetText(1272) + p.settings.Postpath + "\r\n" + l.GetText(1273) +
           (FileExists(p.paths.File("vtengine")) ? p.paths.File("vtengine") : p.enginePath) +
           "\r\n\r\n" + l.GetText(1274);
}

void mnuHelpIndex_Click(Program& p) {
    const std::string guide = GuidePath(p);
    if (guide.empty()) {
        p.ui.MessageBox(MissingFileText(p.language, "guide.html"), p.language.GetText(1065),
                        MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    p.ui.OpenExternal(guide);
}

void mnuHelpInternet_Click(Program& p) {
    // Without a public page of its own the program's web page is its guide.
    if (*kProjectUrl) {
        p.ui.OpenExternal(kProjectUrl);
        return;
    }
    mnuHelpIndex_Click(p);
}

void mnuHelpAbout_Click(Program& p) {
    p.ui.MessageBox(AboutText(p), p.language.GetText(1269), MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace vt
