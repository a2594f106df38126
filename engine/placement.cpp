#include "engine/placement.h"

#include <string>

#include "engine/engine_errors.h"

namespace orbilux {

namespace {

// Round(((size / 500) * 500) / 2), in that order: the detour through the
// design factor decides the halves (width 63 gives 31, width 501 gives 251).
int64_t HalfSize(int32_t size) {
    const ExtendedPrecisionScope precision;
    Extended value = static_cast<Extended>(size) / DesignSize;
    value = value * DesignSize;
    value = value / 2;
    return RoundTiesEven(value);
}

}  // namespace

Origin ComputeOrigin(int32_t width, int32_t height, int32_t areaWidth, int32_t areaHeight, int32_t shiftX,
                     int32_t shiftY) {
    const int64_t halfW = HalfSize(width);
    const int64_t halfH = HalfSize(height);
    Origin origin;
    origin.x = Wrap32(int64_t(areaWidth / 2) + shiftX - halfW - 12);
    origin.y = Wrap32(int64_t(areaHeight / 2) + shiftY - halfH);
    return origin;
}

PointScaler::PointScaler(int32_t width, int32_t height, Origin origin) : origin_(origin) {
    const ExtendedPrecisionScope precision;
    factorX_ = static_cast<Extended>(width) / DesignSize;
    factorY_ = static_cast<Extended>(height) / DesignSize;
}

IconTarget PointScaler::target(const ShapePoint& point, int32_t index) const {
    const ExtendedPrecisionScope precision;
    // The factor is formed first, then multiplied by the coordinate, then
    // rounded. The product always fits 64 bits; the sum wraps to 32.
    IconTarget t;
    t.x = Wrap32(int64_t(origin_.x) + RoundTiesEven(static_cast<Extended>(point.x) * factorX_));
    t.y = Wrap32(int64_t(origin_.y) + RoundTiesEven(static_cast<Extended>(point.y) * factorY_));
    t.index = index;
    return t;
}

void IndexList::reset(int32_t count) {
    numbers_.clear();
    front_ = 0;
    if (count <= 0) return;
    numbers_.reserve(static_cast<std::size_t>(count));
    for (int32_t v = 1; v <= count; ++v) {
        numbers_.push_back(v);
        if (v == count) break;  // count may be INT32_MAX: never step past it
    }
}

void IndexList::assign(const IndexList& source, std::size_t first, std::size_t last) {
    numbers_.assign(source.numbers_.begin() + std::ptrdiff_t(source.front_ + first),
                    source.numbers_.begin() + std::ptrdiff_t(source.front_ + last));
    front_ = 0;
}

IndexList MakeIndexList(int32_t count) {
    IndexList list;
    list.reset(count);
    return list;
}

void PlaceOnPoints(IndexList& numbers, const std::vector<ShapePoint>& points, const PointScaler& scaler,
                   IconTargets& targets) {
    targets.clear();
    for (const ShapePoint& point : points) {
        if (numbers.empty()) break;  // this point and every later one get nothing
        targets.push_back(scaler.target(point, Wrap32(int64_t(numbers.takeFront()) - 1)));
    }
}

IconTargets PlaceOnPoints(IndexList& numbers, const std::vector<ShapePoint>& points, const PointScaler& scaler) {
    IconTargets targets;
    PlaceOnPoints(numbers, points, scaler, targets);
    return targets;
}

PathStep ComputePathStep(std::size_t pointCount, int32_t iconsPerPath) {
    if (iconsPerPath == 0) throw DivisionByZeroError("the gap is 0 icons per path");
    const ExtendedPrecisionScope precision;
    // Computed in extended precision, then held as a double, as the step and
    // the tail are both derived from the stored value.
    const double q = static_cast<double>(static_cast<Extended>(pointCount) / static_cast<Extended>(iconsPerPath));
    PathStep step;
    step.k = RoundTiesEven(static_cast<Extended>(q));
    step.t = RoundTiesEven(static_cast<Extended>(q) / 3.5L);
    return step;
}

void DistributeOnPaths(const IndexList& numbers, const std::vector<ShapePath>& paths, int32_t iconsPerPath,
                       const PointScaler& scaler, Distribution& result) {
    result.targets.clear();
    result.overflow.reset();
    const std::size_t count = numbers.size();
    std::size_t used = 0;

    for (const ShapePath& path : paths) {
        if (path.empty()) continue;  // an empty path computes nothing
        const int64_t length = static_cast<int64_t>(path.size());
        const PathStep step = ComputePathStep(path.size(), iconsPerPath);
        if (step.k == 0)
            throw DivisionByZeroError("the gap of " + std::to_string(iconsPerPath) +
                                      " icons per path is larger than a path of " + std::to_string(path.size()) +
                                      " points can take (the step between icons rounds to 0)");

        // Only positions n with n mod k = 0 can take an icon, so walk the
        // multiples of |k| directly: the remainder has the dividend's sign,
        // which makes a negative step behave like its absolute value.
        const int64_t stride = step.k < 0 ? -step.k : step.k;
        for (int64_t n = stride; n <= length; n += stride) {
            if (step.t > length - n) break;  // the tail test only gets stricter further on
            // The list's last number is never used on a path.
            if (count == 0 || used >= count - 1) break;
            result.targets.push_back(scaler.target(path[std::size_t(n - 1)], Wrap32(int64_t(numbers[used]) - 1)));
            ++used;
        }
    }

    // Positions used .. count - 2 are the numbers not taken, less the last.
    if (count >= 2 && used < count - 2) {
        result.overflow.emplace();
        result.overflow->assign(numbers, used, count - 1);
    }
}

Distribution DistributeOnPaths(const IndexList& numbers, const std::vector<ShapePath>& paths, int32_t iconsPerPath,
                               const PointScaler& scaler) {
    Distribution result;
    DistributeOnPaths(numbers, paths, iconsPerPath, scaler, result);
    return result;
}

bool ShapeFits(const Distribution& distribution, const LoadedShape& shape) {
    if (!distribution.overflow) return true;
    if (!shape.OverflowPoints) return false;
    // The overflow list ends with a number beyond the last item, which may
    // go without a point.
    return distribution.overflow->size() <= shape.OverflowPoints->size() + 1;
}

namespace {

struct SuggestionTerms {
    int64_t paths;        // P, empty paths included
    int64_t twoExtras;    // c: 1 when there are exactly two extra points
    int64_t overflowCap;  // d: overflow points + 1, or 0 when absent
};

// The terms of both formulas; throws DivisionByZeroError, saying why, for
// the shapes they would divide by zero for (the quotient divides by P - c,
// the remainder by P).
SuggestionTerms TermsOf(const LoadedShape& shape) {
    SuggestionTerms terms;
    terms.paths = static_cast<int64_t>(shape.Paths.size());
    terms.twoExtras = shape.ExtraPoints.size() == 2 ? 1 : 0;
    terms.overflowCap = shape.OverflowPoints ? static_cast<int64_t>(shape.OverflowPoints->size()) + 1 : 0;
    if (terms.paths == 0) throw DivisionByZeroError("the shape has no path, so no gap can be worked out for it");
    if (terms.paths == terms.twoExtras)
        throw DivisionByZeroError("the shape has one path and two extra points, so no gap can be worked out for it");
    return terms;
}

}  // namespace

int32_t SuggestIconsPerPath(int32_t itemCount, const LoadedShape& shape) {
    const SuggestionTerms terms = TermsOf(shape);
    const int64_t rest = Wrap32(int64_t(itemCount) - int64_t(shape.FixedPoints.size()));
    // The quotient divides by P - c, the remainder by P.
    int64_t result = CheckedDiv(rest, terms.paths - terms.twoExtras) + 1;
    if (terms.overflowCap < CheckedMod(rest, terms.paths)) result += 1;
    return Wrap32(result);
}

int32_t MinIconsPerPathFor(int32_t itemCount, const LoadedShape& shape) {
    const SuggestionTerms terms = TermsOf(shape);
    const int64_t rest =
        Wrap32(int64_t(itemCount) - int64_t(shape.FixedPoints.size()) - terms.overflowCap);
    int64_t result = CheckedDiv(rest, terms.paths - terms.twoExtras) + 1;
    if (terms.overflowCap > 0) result += 1;
    if (terms.overflowCap < CheckedMod(rest, terms.paths)) result += 1;
    return Wrap32(result);
}

}  // namespace orbilux
