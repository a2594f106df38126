// orbiluxctl preview: an SVG picture of where a shape puts N icons.
#include <filesystem>

#include "cli/command.h"
#include "cli/output_file.h"
#include "cli/plan_output.h"
#include "cli/preview_svg.h"
#include "engine/engine_errors.h"
#include "engine/shape_plan.h"

namespace orbilux::cli {

namespace {

// Without frame options the preview uses the frame a first shape gets on a
// 1920 x 1040 work area.
ShapeFrame PreviewDefaultFrame() { return DefaultShapeFrame(1920, 1040, 0); }

}  // namespace

Command PreviewCommand() {
    Command command;
    command.name = "preview";
    command.usage = "FILE --icons N [--width W] [--height H] [--area-width AW] [--area-height AH] [--shift-x X] "
                    "[--shift-y Y] [--gap G] -o OUT.svg";
    command.summary = "draw where a shape puts N icons as an SVG picture (default frame: 1920 x 1040 work area)";
    command.run = [command](const Args& args, std::ostream& out, std::ostream& err) {
        return RunWithUsage(command, err, [&] {
            const Arguments arguments(args, FrameValueOptions({"icons", "gap", "output"}), {});
            arguments.expectPositional({"FILE"});
            const int32_t icons = arguments.requiredInt("icons", 0, 100000);
            const ShapeFrame frame = ReadFrameOptions(arguments, PreviewDefaultFrame(), /*required=*/false);
            const int32_t gap = arguments.intOr("gap", 0);
            const std::string output = arguments.requiredText("output");
            const std::filesystem::path file = std::filesystem::u8path(arguments.positional()[0]);
            if (SameFile(file, std::filesystem::u8path(output)))
                throw UsageError("-o names the shape file itself; the picture needs a file of its own");

            ShapePlan plan;
            try {
                plan = PlanShape(file, icons, frame, gap);
            } catch (const EngineError& e) {
                err << "orbiluxctl preview: " << e.what() << "\n";
                return int(ExitPlacementFailed);
            }
            PreviewOptions options;
            options.title = file.filename().u8string() + ": " + std::to_string(icons) + " icons, " +
                            std::to_string(plan.iconsPerPath) + " per path, " + std::to_string(plan.applied.size()) +
                            " targets";
            const std::string problem =
                WriteWholeFile(std::filesystem::u8path(output), PreviewSvg(plan, frame, options));
            if (!problem.empty()) {
                err << "orbiluxctl preview: " << problem << "\n";
                return int(ExitFailure);
            }
            out << output << "\n";
            return PlacementStatus("preview", plan, err);
        });
    };
    return command;
}

}  // namespace orbilux::cli
