// The value input (the dialog's logic lands with the constructions).
#include "commands/value_input.h"

namespace vt {

bool ValueInput(Program&, std::string&, std::string&, std::string&) {
    return false;
}

}  // namespace vt
