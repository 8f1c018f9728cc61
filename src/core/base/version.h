// Names and version of the program.
#pragma once

namespace vt {

inline constexpr const char* kProductTitle = "Ortix Veltrum";
inline constexpr const char* kFullTitle = "Ortix Veltrum 1.1.36";
inline constexpr const char* kProgramTitle = "Veltrum32";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 36;
inline constexpr const char* kVersionText = "1.1.36";
// The project's public web page; empty while it has none.
inline constexpr const char* kProjectUrl = "";

}  // namespace vt
