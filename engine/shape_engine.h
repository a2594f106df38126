// The shape engine: keeps the loaded shape between calls so that the size,
// position and gap can be adjusted over and over without reading the file
// again, and hands the desktop one target list at a time.
//
// Icons are given out in item-index order: first to the fixed points, then
// along the paths, then to the overflow points.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "engine/desktop_port.h"
#include "engine/placement.h"
#include "engine/shape_types.h"

namespace orbilux {

class ShapeEngine {
public:
    explicit ShapeEngine(DesktopPort& desktop) : desktop_(desktop) {}
    ShapeEngine(const ShapeEngine&) = delete;
    ShapeEngine& operator=(const ShapeEngine&) = delete;

    // Scales the design box to width x height, centres it in the area (moved
    // by the shift) and, with `apply`, moves the icons. With `reload` the file
    // is read first and, when iconsPerPath is 0, replaced by the engine's
    // suggestion. Without `reload` and with no shape loaded it does nothing.
    // Errors (ShapeFileError, DivisionByZeroError) stop the call where they
    // arise; targets applied before that stay applied.
    void ArrangeShape(const std::filesystem::path& fileName, int32_t width, int32_t height, int32_t& iconsPerPath,
                      int32_t areaWidth, int32_t areaHeight, int32_t shiftX, int32_t shiftY, bool reload,
                      bool apply);

    // Forgets the loaded shape; harmless when none is loaded.
    void ReleaseShape() { shape_.reset(); }

    // The lowest icons-per-path value worth offering for the loaded shape and
    // the current item count. Needs a loaded shape.
    int32_t MinIconsPerPath();

    bool HasShape() const { return shape_.has_value(); }
    const LoadedShape* loadedShape() const { return shape_ ? &*shape_ : nullptr; }
    int32_t OriginX() const { return origin_.x; }
    int32_t OriginY() const { return origin_.y; }

private:
    void ArrangePaths(int32_t iconsPerPath, const PointScaler& scaler);

    DesktopPort& desktop_;
    std::optional<LoadedShape> shape_;
    Origin origin_;
    IndexList indexList_;
    // Scratch lists reused by every call, so adjustment ticks don't allocate.
    IconTargets fixedTargets_;
    IconTargets overflowTargets_;
    Distribution distribution_;
};

}  // namespace orbilux
