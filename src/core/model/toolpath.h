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

// Tool radius compensation on the control, carried by the move that switches it: on to the left
// (G41, RL) or right (G42, RR) of travel before the move, or off (G40, R0).
inline constexpr int16_t kCompNone = 0;
inline constexpr int16_t kCompLeft = 1;
inline constexpr int16_t kCompRight = 2;
inline constexpr int16_t kCompOff = 3;

struct ToolPathOp {
    int16_t Typ = 0;
    double X = 0, Y = 0, Z = 0;
    double AuxX = 0, AuxY = 0, AuxZ = 0;
    double CX = 0, CY = 0, CZ = 0;
    double R = 0;
    // Files keep both in fields that older versions wrote as 0.
    double Comp = kCompNone;  // the compensation this move switches
    double Group = 0;         // moves made in one step (a contour) share a number; 0 alone
    std::string NCText;
    std::string Label;

    bool operator==(const ToolPathOp&) const = default;
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
