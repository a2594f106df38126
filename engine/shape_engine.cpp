#include "engine/shape_engine.h"

#include "engine/engine_errors.h"
#include "engine/shape_file.h"

namespace orbilux {

void ShapeEngine::ArrangeShape(const std::filesystem::path& fileName, int32_t width, int32_t height,
                               int32_t& iconsPerPath, int32_t areaWidth, int32_t areaHeight, int32_t shiftX,
                               int32_t shiftY, bool reload, bool apply) {
    if (!reload && !shape_) return;
    // Set once for the whole call so the per-point scopes inside find the
    // x87 unit ready and cost next to nothing.
    const ExtendedPrecisionScope precision;

    // Two numbers more than there are items: the one just past the last item
    // closes every overflow list, so the fit test can allow one spare point.
    const int32_t itemCount = desktop_.DesktopItemCount();
    indexList_.reset(Wrap32(int64_t(itemCount) + 2));

    if (reload) {
        shape_.reset();  // a failed load leaves no shape loaded
        shape_ = LoadShapeFile(fileName);
        // The suggestion asks the desktop again: the count may have changed.
        if (iconsPerPath == 0) iconsPerPath = SuggestIconsPerPath(desktop_.DesktopItemCount(), *shape_);
    }

    origin_ = ComputeOrigin(width, height, areaWidth, areaHeight, shiftX, shiftY);
    const PointScaler scaler(width, height, origin_);

    // The fixed points take the first numbers even when nothing is applied.
    PlaceOnPoints(indexList_, shape_->FixedPoints, scaler, fixedTargets_);
    if (!apply) return;

    desktop_.ApplyIconTargets(fixedTargets_);
    ArrangePaths(iconsPerPath, scaler);
}

void ShapeEngine::ArrangePaths(int32_t iconsPerPath, const PointScaler& scaler) {
    DistributeOnPaths(indexList_, shape_->Paths, iconsPerPath, scaler, distribution_);
    // A shape that doesn't fit moves nothing more; the user changes the gap
    // or the size.
    if (!ShapeFits(distribution_, *shape_)) return;

    desktop_.ApplyIconTargets(distribution_.targets);
    if (distribution_.overflow && shape_->OverflowPoints) {
        PlaceOnPoints(*distribution_.overflow, *shape_->OverflowPoints, scaler, overflowTargets_);
        desktop_.ApplyIconTargets(overflowTargets_);
    }
}

int32_t ShapeEngine::MinIconsPerPath() {
    if (!shape_) throw EngineError("no shape is loaded");
    return MinIconsPerPathFor(desktop_.DesktopItemCount(), *shape_);
}

}  // namespace orbilux
