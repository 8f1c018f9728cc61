// One pick as the processors receive it, and the per-code tables they run from.
#pragma once

#include <cstdint>

namespace vt {

class Program;

struct Pick {
    float x, y;
    double &v1, &v2, &v3;
};

// A processor for one command code.
struct CodeHandler {
    int16_t code;
    void (*run)(Program& p, Pick& k);
};

// The handler of the current Operation in a processor's table, or nullptr; the tables are in the
// order the codes are tested.
template <std::size_t N>
const CodeHandler* FindHandler(const CodeHandler (&table)[N], int16_t operation) {
    for (const CodeHandler& h : table)
        if (h.code == operation) return &h;
    return nullptr;
}

// Runs the matching handler inside the processor's error boundary.
void RunProcessor(Program& p, const char* name, const CodeHandler* handler, Pick& k);

// Whether n more objects fit in the drawing (32 767 at most). When they do not, the overflow is
// reported and the caller adds none of them, so that a construction is added whole or not at all.
bool RoomFor(Program& p, int64_t n);

// Candidate results: temporary, deleted until kept.
void AddCandidateLine(Program& p, double x1, double y1, double x2, double y2);
// A circle within the coordinate and size limits; the caller has checked them (ArcWithinLimits).
void AddCandidateCircle(Program& p, double cx, double cy, double r);
// A click in a select-to-keep mode keeps the candidate under it.
void KeepCandidate(Program& p, int16_t index);
// A plug-in pick of a line or circle.
void PluginElementPicked(Program& p, int16_t index);

}  // namespace vt
