// Fuzz target: ImportRit on any bytes, then (when it was read) written and read back to the same
// text, and the drawing painted and its snap points rebuilt.
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "fuzz_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vt;
    fuzz::FuzzUi ui;
    Program p(ui, fuzz::Folder());
    const std::string path = fuzz::AsFile(data, size, "part.rit");
    if (ImportRit(p, path)) fuzz::RoundTrip(p);
    UpdatePoints(p);
    fuzz::Paint(p);
    fuzz::Tidy();
    return 0;
}
