// Help menu commands.
#include "commands/help_commands.h"

#include "app/program.h"
#include "app/text_file.h"
#include "app/version.h"

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
    return std::string(kProgramTitle) + " " + kVersionText +
           "\r\n\r\nProgrammapp: " + p.paths.folder +
           "\r\nInställningsfil: " + p.paths.SettingsFile() +
           "\r\nMaskinmapp: " + p.settings.Postpath + "\r\nPostprocessor: " +
           (FileExists(p.paths.File("vtengine")) ? p.paths.File("vtengine") : p.enginePath) +
           "\r\n\r\nBibliotek: Qt 6 (GNU LGPL version 3), GNU C++-standardbiblioteket (GPL version "
           "3 med "
           "undantag för körtidsbibliotek).";
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
    p.ui.MessageBox(AboutText(p), "Om Veltrum32", MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace vt
