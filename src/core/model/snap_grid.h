// A spatial index for UpdatePoints: which objects could meet, so that only those pairs are
// computed. It answers with supersets of the pairs that can give a snap point; the points
// themselves and their order come from the same computations as always.
#pragma once

#include <cstdint>
#include <vector>

namespace vt {

struct SnapBox {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // x0 <= x1, y0 <= y1 when finite
};

// The box of a segment or of a circle (centre, |radius|), widened by `widen` and by a margin
// that covers rounding at the coordinates' magnitude.
SnapBox SegmentBox(double x1, double y1, double x2, double y2, double widen);
SnapBox CircleBox(double cx, double cy, double r, double widen);

class SnapGrid {
  public:
    // Indexes boxes[id] for every id of `ids` (ascending). Boxes that are not finite or cover very
    // many cells are kept apart and offered to every query.
    SnapGrid(const std::vector<SnapBox>& boxes, const std::vector<int>& ids);

    // Ids whose box overlaps `box`, ascending. The reference stays valid until the next query.
    const std::vector<int>& Overlapping(const SnapBox& box);
    // Ids whose box the infinite line through (x1, y1) and (x2, y2) may cross, ascending; none for
    // a line of no length.
    const std::vector<int>& AlongLine(double x1, double y1, double x2, double y2);

  private:
    struct Slot {
        uint64_t key;
        uint32_t begin, end;  // range in items_
    };
    int64_t CellX(double x) const;
    int64_t CellY(double y) const;
    static uint64_t Key(int64_t cx, int64_t cy);
    const Slot* Find(uint64_t key) const;
    // The occupied cells of column cx with rows cy0 … cy1, in row order.
    template <typename Take>
    void ForColumn(int64_t cx, int64_t cy0, int64_t cy1, Take&& take) const;
    // The line a·x + b·y + c = 0 and the margin within which a box still counts as crossed.
    struct Crossing {
        double a, b, c, tol;
        bool May(const SnapBox& box) const;
    };
    Crossing LineThrough(double x1, double y1, double dx, double dy) const;
    const std::vector<int>& Finish();

    const std::vector<SnapBox>& boxes_;
    double cell_ = 1, ox_ = 0, oy_ = 0;
    double maxAbs_ = 0;  // the largest coordinate of an indexed box
    int64_t minCx_ = 0, minCy_ = 0, maxCx_ = -1, maxCy_ = -1;  // occupied cell range
    std::vector<Slot> table_;                                  // open addressing, power-of-two size
    std::vector<uint64_t> occupied_;  // keys of the occupied cells, ascending (column by column)
    std::vector<Slot> cells_;         // the same cells with their item ranges
    std::vector<uint32_t> columns_;   // first cell of each column of the occupied range, if dense
    std::vector<int> items_;
    std::vector<int> everywhere_;
    std::vector<uint32_t> seen_;  // query stamp per id
    uint32_t stamp_ = 0;
    std::vector<int> found_;
};

}  // namespace vt
