// The object table of a drawing, the list of deleted objects and the drawing's file state.
// Tables are 1-based: element 0 exists and is never used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/objects.h"

namespace vt {

inline constexpr int16_t kMaxCount = 32767;  // 16-bit counts
inline constexpr double kCoordLimit = 100000000.0;
inline constexpr double kMinRadius = 0.0;

// A deleted object kept for undo, with the code of the delete command that removed it.
struct UndoRecord {
    int16_t Action = 0;
    RitObjekt Obj;
};

struct Drawing {
    std::vector<RitObjekt> Objects = std::vector<RitObjekt>(1);
    int16_t ObjectCount = 0;

    std::vector<UndoRecord> UndoList = std::vector<UndoRecord>(1);
    int16_t UndoCount = 0;

    bool Modified = false;
    bool HasFileName = false;
    std::string FileName;

    RitObjekt& Obj(int i) { return Objects[static_cast<std::size_t>(i)]; }
    const RitObjekt& Obj(int i) const { return Objects[static_cast<std::size_t>(i)]; }
};

}  // namespace vt
