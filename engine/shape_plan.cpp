#include "engine/shape_plan.h"

#include "engine/engine_errors.h"
#include "engine/shape_engine.h"

namespace orbilux {

ShapePlan PlanShape(const std::filesystem::path& file, int32_t itemCount, const ShapeFrame& frame,
                    int32_t iconsPerPath) {
    RecordingDesktop desktop(itemCount);
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
    plan.applied = desktop.applied();
    plan.shape = *engine.loadedShape();
    return plan;
}

}  // namespace orbilux
