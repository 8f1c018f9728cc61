// Fuzz target: the expression parser on any text.
#include "commands/value_input.h"
#include "expr/expression_parser.h"
#include "fuzz_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vt;
    static fuzz::FuzzUi ui;
    static Program p(ui, fuzz::Folder());
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)p.parser.Evaluate(text);
    (void)ParseExpression(p, text);
    fuzz::Tidy();
    return 0;
}
