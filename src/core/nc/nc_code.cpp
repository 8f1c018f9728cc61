// NC program generation.
#include "nc/nc_code.h"

#include "app/program.h"

namespace vt {

void GenNCCode(Program& p) {
    (void)p;
}

void RegenerateNcIfShown(Program& p) {
    if (p.uiState.ncWindowVisible) GenNCCode(p);
}

}  // namespace vt
