// A hashed uniform grid of boxes. Every box is listed in each cell it overlaps; a query visits the
// cells it touches and keeps the boxes it may meet. Cell numbers come from one monotone mapping,
// so a box that meets the query always shares a visited cell with it.
#include "model/snap_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vt {

namespace {

constexpr uint64_t kEmpty = std::numeric_limits<uint64_t>::max();
constexpr double kCellLimit = 1073741824.0;  // 2^30: cell numbers are clamped to ±this
constexpr double kMaxCellsPerBox = 4096;

bool Finite(const SnapBox& b) {
    return std::isfinite(b.x0) && std::isfinite(b.y0) && std::isfinite(b.x1) && std::isfinite(b.y1);
}

// Rounding at this magnitude, generously: the boxes must hold every point the intersection
// routines can compute for them.
double Margin(double a, double b, double c, double d) {
    const double m = std::max({std::fabs(a), std::fabs(b), std::fabs(c), std::fabs(d)});
    return 1e-9 + m * 1e-9;
}

}  // namespace

SnapBox SegmentBox(double x1, double y1, double x2, double y2, double widen) {
    const double w = widen + Margin(x1, y1, x2, y2);
    return {std::min(x1, x2) - w, std::min(y1, y2) - w, std::max(x1, x2) + w, std::max(y1, y2) + w};
}

SnapBox CircleBox(double cx, double cy, double r, double widen) {
    const double a = std::fabs(r);
    const double w = a + widen + Margin(cx, cy, a, 0);
    return {cx - w, cy - w, cx + w, cy + w};
}

SnapGrid::SnapGrid(const std::vector<SnapBox>& boxes, const std::vector<int>& ids)
    : boxes_(boxes), seen_(boxes.size(), 0) {
    // The cell: about the size of a typical box, so that a box covers a few cells and a cell
    // holds a few boxes.
    std::vector<double> sizes;
    std::vector<int> indexed;
    sizes.reserve(ids.size());
    indexed.reserve(ids.size());
    bool any = false;
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (int id : ids) {
        const SnapBox& b = boxes_[static_cast<std::size_t>(id)];
        if (!Finite(b)) {
            everywhere_.push_back(id);
            continue;
        }
        sizes.push_back(std::max(b.x1 - b.x0, b.y1 - b.y0));
        indexed.push_back(id);
        maxAbs_ =
            std::max({maxAbs_, std::fabs(b.x0), std::fabs(b.x1), std::fabs(b.y0), std::fabs(b.y1)});
        minX = any ? std::min(minX, b.x0) : b.x0;
        minY = any ? std::min(minY, b.y0) : b.y0;
        maxX = any ? std::max(maxX, b.x1) : b.x1;
        maxY = any ? std::max(maxY, b.y1) : b.y1;
        any = true;
    }
    if (!sizes.empty()) {
        auto mid = sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2);
        std::nth_element(sizes.begin(), mid, sizes.end());
        cell_ = *mid;
        // Not so fine that the drawing would need more cell numbers than there are.
        const double span = std::max(maxX - minX, maxY - minY);
        cell_ = std::max(cell_, span / (kCellLimit / 4));
        if (!(cell_ > 0) || !std::isfinite(cell_))
            cell_ = std::isfinite(span) && span > 0 ? span : 1;
        ox_ = minX;
        oy_ = minY;
    }

    // (cell, id) for every cell of every box; then the cells in key order.
    std::vector<std::pair<uint64_t, int>> entries;
    entries.reserve(indexed.size() * 4);
    for (int id : indexed) {
        const SnapBox& b = boxes_[static_cast<std::size_t>(id)];
        const int64_t cx0 = CellX(b.x0), cx1 = CellX(b.x1), cy0 = CellY(b.y0), cy1 = CellY(b.y1);
        if (static_cast<double>(cx1 - cx0 + 1) * static_cast<double>(cy1 - cy0 + 1) >
            kMaxCellsPerBox) {
            everywhere_.push_back(id);
            continue;
        }
        for (int64_t cx = cx0; cx <= cx1; ++cx)
            for (int64_t cy = cy0; cy <= cy1; ++cy)
                entries.emplace_back(Key(cx, cy), id);
        if (maxCx_ < minCx_) {
            minCx_ = cx0, maxCx_ = cx1, minCy_ = cy0, maxCy_ = cy1;
        } else {
            minCx_ = std::min(minCx_, cx0), maxCx_ = std::max(maxCx_, cx1);
            minCy_ = std::min(minCy_, cy0), maxCy_ = std::max(maxCy_, cy1);
        }
    }
    std::sort(entries.begin(), entries.end());
    std::sort(everywhere_.begin(), everywhere_.end());
    items_.reserve(entries.size());
    std::size_t size = 16;
    while (size < entries.size() * 2)
        size *= 2;
    table_.assign(size, Slot{kEmpty, 0, 0});
    for (std::size_t k = 0; k < entries.size();) {
        const uint64_t key = entries[k].first;
        const auto begin = static_cast<uint32_t>(items_.size());
        for (; k < entries.size() && entries[k].first == key; ++k)
            items_.push_back(entries[k].second);
        std::size_t h = (key * 0x9E3779B97F4A7C15ULL) >> 20 & (table_.size() - 1);
        while (table_[h].key != kEmpty)
            h = (h + 1) & (table_.size() - 1);
        table_[h] = Slot{key, begin, static_cast<uint32_t>(items_.size())};
        occupied_.push_back(key);
        cells_.push_back(table_[h]);
    }
    // Where the occupied columns are not too many, each column's cells are found by position
    // rather than by hashing: the walks below go column by column.
    const int64_t columns = maxCx_ - minCx_ + 1;
    if (columns > 0 && columns <= static_cast<int64_t>(cells_.size()) * 4 + 64) {
        columns_.assign(static_cast<std::size_t>(columns) + 1, 0);
        std::size_t k = 0;
        for (int64_t c = 0; c <= columns; ++c) {
            const uint64_t firstKey = Key(minCx_ + c, -(int64_t{1} << 30));
            while (k < cells_.size() && cells_[k].key < firstKey)
                ++k;
            columns_[static_cast<std::size_t>(c)] = static_cast<uint32_t>(k);
        }
    }
}

template <typename Take>
void SnapGrid::ForColumn(int64_t cx, int64_t cy0, int64_t cy1, Take&& take) const {
    if (cy0 > cy1) return;
    if (columns_.empty()) {
        for (int64_t cy = cy0; cy <= cy1; ++cy)
            if (const Slot* s = Find(Key(cx, cy))) take(s);
        return;
    }
    if (cx < minCx_ || cx > maxCx_) return;
    const auto col = static_cast<std::size_t>(cx - minCx_);
    const Slot* first = cells_.data() + columns_[col];
    const Slot* last = cells_.data() + columns_[col + 1];
    const uint64_t lowKey = Key(cx, cy0), highKey = Key(cx, cy1);
    const Slot* s = std::lower_bound(first, last, lowKey,
                                     [](const Slot& a, uint64_t key) { return a.key < key; });
    for (; s != last && s->key <= highKey; ++s)
        take(s);
}

int64_t SnapGrid::CellX(double x) const {
    const double c = std::floor((x - ox_) / cell_);
    return static_cast<int64_t>(std::clamp(c, -kCellLimit, kCellLimit));
}

int64_t SnapGrid::CellY(double y) const {
    const double c = std::floor((y - oy_) / cell_);
    return static_cast<int64_t>(std::clamp(c, -kCellLimit, kCellLimit));
}

uint64_t SnapGrid::Key(int64_t cx, int64_t cy) {
    const auto ux = static_cast<uint64_t>(cx + (int64_t{1} << 30));
    const auto uy = static_cast<uint64_t>(cy + (int64_t{1} << 30));
    return ux << 32 | uy;
}

const SnapGrid::Slot* SnapGrid::Find(uint64_t key) const {
    std::size_t h = (key * 0x9E3779B97F4A7C15ULL) >> 20 & (table_.size() - 1);
    while (table_[h].key != kEmpty) {
        if (table_[h].key == key) return &table_[h];
        h = (h + 1) & (table_.size() - 1);
    }
    return nullptr;
}

const std::vector<int>& SnapGrid::Finish() {
    for (int id : everywhere_)
        if (seen_[static_cast<std::size_t>(id)] != stamp_) found_.push_back(id);
    std::sort(found_.begin(), found_.end());
    return found_;
}

const std::vector<int>& SnapGrid::Overlapping(const SnapBox& q) {
    found_.clear();
    ++stamp_;
    if (!Finite(q)) {
        // Every box may meet it.
        for (const Slot& s : table_)
            if (s.key != kEmpty)
                for (uint32_t k = s.begin; k < s.end; ++k)
                    if (seen_[static_cast<std::size_t>(items_[k])] != stamp_) {
                        seen_[static_cast<std::size_t>(items_[k])] = stamp_;
                        found_.push_back(items_[k]);
                    }
        return Finish();
    }
    const int64_t cx0 = std::max(CellX(q.x0), minCx_), cx1 = std::min(CellX(q.x1), maxCx_);
    const int64_t cy0 = std::max(CellY(q.y0), minCy_), cy1 = std::min(CellY(q.y1), maxCy_);
    auto take = [&](const Slot* s) {
        for (uint32_t k = s->begin; k < s->end; ++k) {
            const int id = items_[k];
            auto& seen = seen_[static_cast<std::size_t>(id)];
            if (seen == stamp_) continue;
            seen = stamp_;
            const SnapBox& b = boxes_[static_cast<std::size_t>(id)];
            if (b.x0 <= q.x1 && q.x0 <= b.x1 && b.y0 <= q.y1 && q.y0 <= b.y1) found_.push_back(id);
        }
    };
    if (cx0 > cx1 || cy0 > cy1) return Finish();
    if (static_cast<double>(cx1 - cx0 + 1) * static_cast<double>(cy1 - cy0 + 1) >
        static_cast<double>(occupied_.size())) {
        // A query wider than the drawing: the occupied cells are fewer than the covered ones.
        for (uint64_t key : occupied_) {
            const int64_t cx = static_cast<int64_t>(key >> 32) - (int64_t{1} << 30);
            const int64_t cy = static_cast<int64_t>(key & 0xFFFFFFFFULL) - (int64_t{1} << 30);
            if (cx0 <= cx && cx <= cx1 && cy0 <= cy && cy <= cy1) take(Find(key));
        }
        return Finish();
    }
    for (int64_t cx = cx0; cx <= cx1; ++cx)
        ForColumn(cx, cy0, cy1, take);
    return Finish();
}

SnapGrid::Crossing SnapGrid::LineThrough(double x1, double y1, double dx, double dy) const {
    // The margin is far above the rounding of the products, at any of the magnitudes involved.
    const double scale = std::max(std::fabs(dx), std::fabs(dy)) *
                         (1 + std::max({maxAbs_, std::fabs(x1), std::fabs(y1)}));
    return Crossing{-dy, dx, dy * x1 - dx * y1, scale * 1e-9};
}

bool SnapGrid::Crossing::May(const SnapBox& box) const {
    // The box is passed by only when all its corners lie clearly on one side.
    const double low = (a > 0 ? a * box.x0 : a * box.x1) + (b > 0 ? b * box.y0 : b * box.y1) + c;
    const double high = (a > 0 ? a * box.x1 : a * box.x0) + (b > 0 ? b * box.y1 : b * box.y0) + c;
    return low <= tol && high >= -tol;
}

const std::vector<int>& SnapGrid::AlongLine(double x1, double y1, double x2, double y2) {
    found_.clear();
    ++stamp_;
    const double dx = x2 - x1, dy = y2 - y1;
    if (dx == 0 && dy == 0) return found_;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(dx) || !std::isfinite(dy))
        return Overlapping(SnapBox{NAN, NAN, NAN, NAN});
    const Crossing line = LineThrough(x1, y1, dx, dy);
    auto take = [&](const Slot* s) {
        for (uint32_t k = s->begin; k < s->end; ++k) {
            const int id = items_[k];
            auto& seen = seen_[static_cast<std::size_t>(id)];
            if (seen == stamp_) continue;
            seen = stamp_;
            if (line.May(boxes_[static_cast<std::size_t>(id)])) found_.push_back(id);
        }
    };
    const bool shallow = std::fabs(dx) >= std::fabs(dy);
    const int64_t walk = shallow ? maxCx_ - minCx_ + 1 : maxCy_ - minCy_ + 1;
    if (walk > static_cast<int64_t>(occupied_.size()) * 4 + 64) {
        // A sparse drawing over a wide area: test the occupied cells instead of walking.
        for (uint64_t key : occupied_) {
            const auto cx =
                static_cast<double>(static_cast<int64_t>(key >> 32) - (int64_t{1} << 30));
            const auto cy =
                static_cast<double>(static_cast<int64_t>(key & 0xFFFFFFFFULL) - (int64_t{1} << 30));
            const SnapBox cellBox{ox_ + (cx - 1) * cell_, oy_ + (cy - 1) * cell_,
                                  ox_ + (cx + 2) * cell_, oy_ + (cy + 2) * cell_};
            if (line.May(cellBox)) take(Find(key));
        }
        return Finish();
    }
    // Each column (or row) of the occupied range, and the cells the line crosses in it, a little
    // widened against rounding.
    const double slope = shallow ? dy / dx : dx / dy;
    const double m = cell_ * 0.01;
    for (int64_t c = shallow ? minCx_ : minCy_, last = shallow ? maxCx_ : maxCy_; c <= last; ++c) {
        const double a0 = (shallow ? ox_ : oy_) + static_cast<double>(c) * cell_ - m;
        const double a1 = a0 + cell_ + 2 * m;
        const double b0 = shallow ? y1 + (a0 - x1) * slope : x1 + (a0 - y1) * slope;
        const double b1 = shallow ? y1 + (a1 - x1) * slope : x1 + (a1 - y1) * slope;
        const double lo = std::min(b0, b1) - m, hi = std::max(b0, b1) + m;
        int64_t k0 = shallow ? CellY(lo) : CellX(lo), k1 = shallow ? CellY(hi) : CellX(hi);
        if (std::isnan(lo) || std::isnan(hi)) k0 = INT64_MIN, k1 = INT64_MAX;
        k0 = std::max(k0, shallow ? minCy_ : minCx_);
        k1 = std::min(k1, shallow ? maxCy_ : maxCx_);
        if (shallow) {
            ForColumn(c, k0, k1, take);
        } else {
            for (int64_t k = k0; k <= k1; ++k)
                ForColumn(k, c, c, take);
        }
    }
    return Finish();
}

}  // namespace vt
