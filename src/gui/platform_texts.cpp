// The platform dialog texts.
#include "platform_texts.h"

#include "app/program.h"
#include "qt_util.h"

namespace vt::gui {

QString Text(const Program& p, PlatformText which) {
    if (p.language.FilePresent()) return Q(p.language.GetText(static_cast<int>(which)));
    switch (which) {
        case PlatformText::LookIn:
            return "Leta i:";
        case PlatformText::FileName:
            return "Filnamn:";
        case PlatformText::FileType:
            return "Filtyp:";
        case PlatformText::Open:
            return "Öppna";
        case PlatformText::Save:
            return "Spara";
        case PlatformText::Cancel:
            return "Avbryt";
        case PlatformText::Ok:
            return "OK";
        case PlatformText::Yes:
            return "Ja";
        case PlatformText::No:
            return "Nej";
    }
    return "";
}

}  // namespace vt::gui
