// The native drawing file (.vgm), templates (.vtm), last.dat and autoload.vtm: objects and tool
// path as text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/document.h"

namespace vt {

inline constexpr const char* kNativeIdentifier = "Ortix Veltrum 1.1.36";

// The file's text for a document.
std::string NativeText(const Document& doc);
// The first object (or, negative, tool path move) holding a number that is not finite; 0 none.
int FirstNonFinite(const Document& doc);

struct NativeRead {
    bool known = true;                      // false: not a drawing file (nothing read)
    std::vector<std::size_t> skippedMoves;  // line numbers of malformed tool path moves left out
};
// Reads a file's lines into an empty document. A malformed object part throws the error of the
// number or the line, leaving in the document what was read before it.
NativeRead ReadNative(const std::vector<std::string>& lines, Document& doc);

}  // namespace vt
