// Messages of files that cannot be read.
#include "commands/read_failure.h"

#include "app/program.h"

namespace vt {

void CannotRead(Program& p, const std::string& name, const std::string& problem) {
    const Language& l = p.language;
    p.ui.MessageBox(l.GetText(2320) + "\r\n\r\n" + name + "\r\n" + problem, l.GetText(1065),
                    MsgButtons::Ok, MsgIcon::Exclamation);
}

std::string ReadProblem(const Program& p, ReadStatus status) {
    return p.language.GetText(status == ReadStatus::TooLarge ? 2324 : 2329);
}

}  // namespace vt
