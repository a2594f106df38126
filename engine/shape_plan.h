// A dry run of a shape load against an in-memory desktop: what the shape
// browser's load would hand to the desktop, without touching one. Used by
// orbiluxctl plan and preview, the shape library checks and the gallery.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "engine/desktop_port.h"
#include "engine/shape_frame.h"
#include "engine/shape_types.h"

namespace orbilux {

// A desktop of a fixed number of items that records every target handed to
// it, in order, across all calls.
class RecordingDesktop : public DesktopPort {
public:
    explicit RecordingDesktop(int32_t itemCount) : itemCount_(itemCount) {}
    int32_t DesktopItemCount() override { return itemCount_; }
    void ApplyIconTargets(const IconTargets& targets) override {
        applied_.insert(applied_.end(), targets.begin(), targets.end());
        ++applyCalls_;
    }
    const IconTargets& applied() const { return applied_; }
    int applyCalls() const { return applyCalls_; }

private:
    int32_t itemCount_;
    IconTargets applied_;
    int applyCalls_ = 0;
};

struct ShapePlan {
    int32_t iconsPerPath = 0;                // after the load: the suggestion when 0 was given
    std::optional<int32_t> minIconsPerPath;  // absent when it fails (division by zero)
    int32_t originX = 0;
    int32_t originY = 0;
    IconTargets applied;  // fixed, then path, then overflow targets
    LoadedShape shape;
};

// Loads the file as the shape browser does (release, reload, apply, then ask
// for the minimum). Throws the engine's errors when the placement fails.
ShapePlan PlanShape(const std::filesystem::path& file, int32_t itemCount, const ShapeFrame& frame,
                    int32_t iconsPerPath);

}  // namespace orbilux
