// A shape load as the shape browser does it (release, reload and apply, then
// ask for the minimum), with a record of everything handed to the desktop.
// Against an in-memory desktop it is a dry run (orbiluxctl plan and preview,
// the shape library checks, the gallery); against the real one it is
// orbiluxctl arrange.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "engine/desktop_port.h"
#include "engine/shape_frame.h"
#include "engine/shape_types.h"

namespace orbilux {

struct ShapePlan {
    int32_t iconsPerPath = 0;                // after the load: the suggestion when 0 was given
    std::optional<int32_t> minIconsPerPath;  // absent when it fails (division by zero)
    int32_t originX = 0;
    int32_t originY = 0;
    IconTargets applied;  // fixed, then path, then overflow targets
    int32_t itemCount = 0;  // the desktop's item count the placement was made for
    LoadedShape shape;
};

// The items 0 .. itemCount - 1 that no applied target names: those a shape
// that doesn't fit leaves where they were.
int32_t IconsWithoutPlace(const ShapePlan& plan);

// Loads the file onto `desktop`. Throws the engine's errors when the load or
// the placement fails, and whatever the desktop throws.
ShapePlan PlanShape(DesktopPort& desktop, const std::filesystem::path& file, const ShapeFrame& frame,
                    int32_t iconsPerPath);

// The same against a desktop of `itemCount` items that moves nothing.
ShapePlan PlanShape(const std::filesystem::path& file, int32_t itemCount, const ShapeFrame& frame,
                    int32_t iconsPerPath);

}  // namespace orbilux
