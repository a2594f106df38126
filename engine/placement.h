// The steps of shape placement: scaling design-box points to pixels, the item
// number list, points that take one icon each, spreading icons along paths,
// and the icons-per-path suggestions. Every function is pure; ShapeEngine
// strings them together and talks to the desktop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/numeric.h"
#include "engine/shape_types.h"

namespace orbilux {

// Where the design box's point (0, 0) lands, in pixels.
struct Origin {
    int32_t x = 0;
    int32_t y = 0;
};

// Centres a width x height box on (areaWidth div 2 + shiftX, areaHeight div 2
// + shiftY), then moves it 12 pixels left. The half sizes go through the
// design-size factor and back, so they round the way the scaled points do.
Origin ComputeOrigin(int32_t width, int32_t height, int32_t areaWidth, int32_t areaHeight, int32_t shiftX,
                     int32_t shiftY);

// Design-box units to list-view pixels for one frame.
class PointScaler {
public:
    PointScaler(int32_t width, int32_t height, Origin origin);
    IconTarget target(const ShapePoint& point, int32_t index) const;

private:
    Extended factorX_;
    Extended factorY_;
    Origin origin_;
};

// Item numbers still free in one placement call, taken from the front or read
// by position. Number v stands for list-view item index v - 1.
class IndexList {
public:
    IndexList() = default;
    explicit IndexList(std::vector<int32_t> numbers) : numbers_(std::move(numbers)) {}

    std::size_t size() const { return numbers_.size() - front_; }
    bool empty() const { return size() == 0; }
    int32_t operator[](std::size_t position) const { return numbers_[front_ + position]; }
    int32_t takeFront() { return numbers_[front_++]; }
    std::vector<int32_t> toVector() const { return {numbers_.begin() + std::ptrdiff_t(front_), numbers_.end()}; }

    // Refills the list with 1, 2, ..., count, reusing its storage.
    void reset(int32_t count);
    // Refills the list with a copy of positions [first, last) of another list.
    void assign(const IndexList& source, std::size_t first, std::size_t last);

private:
    std::vector<int32_t> numbers_;
    std::size_t front_ = 0;
};

// The numbers 1, 2, ..., count; empty when count is 0 or less.
IndexList MakeIndexList(int32_t count);

// One target per point while numbers last, each taking the front number.
void PlaceOnPoints(IndexList& numbers, const std::vector<ShapePoint>& points, const PointScaler& scaler,
                   IconTargets& targets);
IconTargets PlaceOnPoints(IndexList& numbers, const std::vector<ShapePoint>& points, const PointScaler& scaler);

// Step and tail of one path: icons stand on points k, 2k, 3k, ... (1-based)
// and not on the last t points. q = L / G is held as a 64-bit double.
struct PathStep {
    int64_t k = 0;
    int64_t t = 0;
};
PathStep ComputePathStep(std::size_t pointCount, int32_t iconsPerPath);

struct Distribution {
    IconTargets targets;
    // The numbers the paths did not take, less the last one; absent when the
    // paths took all but at most two.
    std::optional<IndexList> overflow;
};

// Spreads the numbers of `numbers` (read by position, never changed) along
// the paths, iconsPerPath per path. Throws DivisionByZeroError for a gap of 0
// or a step that rounds to 0 on a non-empty path.
void DistributeOnPaths(const IndexList& numbers, const std::vector<ShapePath>& paths, int32_t iconsPerPath,
                       const PointScaler& scaler, Distribution& result);
Distribution DistributeOnPaths(const IndexList& numbers, const std::vector<ShapePath>& paths, int32_t iconsPerPath,
                               const PointScaler& scaler);

// True when every leftover item has an overflow point to go to.
bool ShapeFits(const Distribution& distribution, const LoadedShape& shape);

// The engine's icons-per-path value for a shape and an item count, and the
// lowest one the gap control offers. Both throw DivisionByZeroError for a
// shape without paths, or with one path and exactly two extra points.
int32_t SuggestIconsPerPath(int32_t itemCount, const LoadedShape& shape);
int32_t MinIconsPerPathFor(int32_t itemCount, const LoadedShape& shape);

}  // namespace orbilux
