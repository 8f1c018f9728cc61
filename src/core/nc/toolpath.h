// The tool path: an ordered table of machine moves laid on the drawing. Element 0 is the all-zero
// predecessor of the first move.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// Kinds (Typ); incremental moves carry the kind plus 6.
inline constexpr int16_t kNcPoint = -1;
inline constexpr int16_t kG0 = 0;
inline constexpr int16_t kG1 = 1;
inline constexpr int16_t kG2 = 2;
inline constexpr int16_t kG3 = 3;
inline constexpr int16_t kIncremental = 6;
inline constexpr int16_t kManualLine = 255;

struct ToolPathOp {
    int16_t Typ = 0;
    double X = 0, Y = 0, Z = 0;
    double AuxX = 0, AuxY = 0, AuxZ = 0;
    double CX = 0, CY = 0, CZ = 0;
    double R = 0;
    double Spare1 = 0, Spare2 = 0;
    std::string NCText;
    std::string Label;
};

struct ToolPath {
    std::vector<ToolPathOp> Ops = std::vector<ToolPathOp>(1);
    int16_t Count = 0;

    ToolPathOp& Op(int i) { return Ops[static_cast<std::size_t>(i)]; }
    const ToolPathOp& Op(int i) const { return Ops[static_cast<std::size_t>(i)]; }
    void Clear() {
        Ops.assign(1, ToolPathOp{});
        Count = 0;
    }
};

inline bool IsIncremental(int16_t typ) {
    return typ >= 5 && typ <= 9;
}
// The kind without the incremental offset (−1, 0, 1, 2, 3, or 255).
inline int16_t BaseKind(int16_t typ) {
    return IsIncremental(typ) ? static_cast<int16_t>(typ - 6) : typ;
}

}  // namespace vt
