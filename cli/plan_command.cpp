// orbiluxctl plan: where a shape load would put every icon, for a desktop of
// N icons and a given frame, touching no desktop.
#include <filesystem>

#include "cli/command.h"
#include "cli/plan_output.h"
#include "engine/engine_errors.h"
#include "engine/shape_plan.h"

namespace orbilux::cli {

namespace {

constexpr int64_t MaxIcons = 1000000;  // far beyond any desktop; keeps the item list in memory bounds

}  // namespace

Command PlanCommand() {
    Command command;
    command.name = "plan";
    command.usage = std::string("FILE --icons N ") + FrameOptionsUsage + " [--gap G] [--json]";
    command.summary = "place a shape file on a desktop of N icons without touching any desktop";
    command.run = [command](const Args& args, std::ostream& out, std::ostream& err) {
        return RunWithUsage(command, err, [&] {
            const Arguments arguments(args, FrameValueOptions({"icons", "gap"}), {"json"});
            arguments.expectPositional({"FILE"});
            const int32_t icons = arguments.requiredInt("icons", 0, MaxIcons);
            const ShapeFrame frame = ReadFrameOptions(arguments, ShapeFrame{}, /*required=*/true);
            const int32_t gap = arguments.intOr("gap", 0);
            ShapePlan plan;
            try {
                plan = PlanShape(std::filesystem::u8path(arguments.positional()[0]), icons, frame, gap);
            } catch (const EngineError& e) {
                err << "orbiluxctl plan: " << e.what() << "\n";
                return int(ExitPlacementFailed);
            }
            if (arguments.flag("json"))
                out << PlanJson(plan) << "\n";
            else
                out << PlanText(plan);
            return PlacementStatus("plan", plan, err);
        });
    };
    return command;
}

}  // namespace orbilux::cli
