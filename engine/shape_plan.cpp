#include "engine/shape_plan.h"

#include <vector>

#include "engine/engine_errors.h"
#include "engine/shape_engine.h"

namespace orbilux {

namespace {

// Passes everything on to the desktop and keeps every target, in order,
// across all calls.
class RecordingPort : public DesktopPort {
public:
    RecordingPort(DesktopPort* inner, int32_t itemCount) : inner_(inner), itemCount_(itemCount) {}
    int32_t DesktopItemCount() override {
        const int32_t count = inner_ ? inner_->DesktopItemCount() : itemCount_;
        if (!firstCount) firstCount = count;
        return count;
    }
    void ApplyIconTargets(const IconTargets& targets) override {
        if (inner_) inner_->ApplyIconTargets(targets);
        applied.insert(applied.end(), targets.begin(), targets.end());
    }
    IconTargets applied;
    // The count the placement's item list was made from.
    std::optional<int32_t> firstCount;

private:
    DesktopPort* inner_;  // nullptr: a desktop of itemCount_ items that moves nothing
    int32_t itemCount_;
};

ShapePlan Plan(RecordingPort& desktop, const std::filesystem::path& file, const ShapeFrame& frame,
               int32_t iconsPerPath) {
    ShapeEngine engine(desktop);
    ShapePlan plan;
    plan.iconsPerPath = iconsPerPath;
    engine.ReleaseShape();
    engine.ArrangeShape(file, frame.width, frame.height, plan.iconsPerPath, frame.areaWidth, frame.areaHeight,
                        frame.shiftX, frame.shiftY, /*reload=*/true, /*apply=*/true);
    try {
        plan.minIconsPerPath = engine.MinIconsPerPath();
    } catch (const DivisionByZeroError&) {
        plan.minIconsPerPath.reset();
    }
    plan.originX = engine.OriginX();
    plan.originY = engine.OriginY();
    plan.applied = std::move(desktop.applied);
    plan.itemCount = desktop.firstCount.value_or(0);
    plan.shape = *engine.loadedShape();
    return plan;
}

}  // namespace

int32_t IconsWithoutPlace(const ShapePlan& plan) {
    if (plan.itemCount <= 0) return 0;
    std::vector<bool> placed(static_cast<std::size_t>(plan.itemCount), false);
    int32_t left = plan.itemCount;
    for (const IconTarget& target : plan.applied) {
        if (target.index < 0 || target.index >= plan.itemCount) continue;
        if (!placed[static_cast<std::size_t>(target.index)]) --left;
        placed[static_cast<std::size_t>(target.index)] = true;
    }
    return left;
}

ShapePlan PlanShape(DesktopPort& desktop, const std::filesystem::path& file, const ShapeFrame& frame,
                    int32_t iconsPerPath) {
    RecordingPort recording(&desktop, 0);
    return Plan(recording, file, frame, iconsPerPath);
}

ShapePlan PlanShape(const std::filesystem::path& file, int32_t itemCount, const ShapeFrame& frame,
                    int32_t iconsPerPath) {
    RecordingPort recording(nullptr, itemCount);
    return Plan(recording, file, frame, iconsPerPath);
}

}  // namespace orbilux
