// orbiluxctl's desktop commands (Windows): count, icons and arrange, on the
// shell's real desktop list view through the same adapters the program uses.
#include <filesystem>
#include <sstream>

#include "cli/command.h"
#include "cli/console_notifier.h"
#include "cli/json_writer.h"
#include "cli/plan_output.h"
#include "cli/shell_commit_output.h"
#include "desktop/win32/work_area.h"
#include "engine/engine_errors.h"
#include "engine/shape_plan.h"
#include "platform/text.h"
#include "system/system_adapters.h"

namespace orbilux::cli {

namespace {

int RunOnDesktop(const Command& command, std::ostream& err, ConsoleNotifier& notifier,
                 const std::function<int()>& body) {
    return RunWithUsage(command, err, [&] { return FailIfQuitRequested(notifier, body); });
}

Command CountCommand(system::SystemAdapters& adapters) {
    Command command{"count", "[--json]",
                    "print the number of desktop icons (--json: and whether the shell arranges or snaps them)", {},
                    true};
    command.run = [command, &adapters](const Args& args, std::ostream& out, std::ostream& err) {
        ConsoleNotifier notifier(err);
        return RunOnDesktop(command, err, notifier, [&] {
            const Arguments arguments(args, {}, {"json"});
            arguments.expectPositional({});
            const int32_t count = adapters.desktopPort(notifier).DesktopItemCount();
            if (notifier.quitRequested()) return int(ExitFailure);
            // Either flag bends every shape; the shell view tells them truthfully.
            if (arguments.flag("json"))
                out << "{\"count\": " << count
                    << ", \"shellView\": " << ShellFlagsJson(ReadShellFolderFlags(adapters.shellModel)) << "}\n";
            else
                out << count << "\n";
            return int(ExitOk);
        });
    };
    return command;
}

Command IconsCommand(system::SystemAdapters& adapters) {
    Command command{"icons", "[--json]", "list every desktop icon: index, position and name", {}, true};
    command.run = [command, &adapters](const Args& args, std::ostream& out, std::ostream& err) {
        ConsoleNotifier notifier(err);
        return RunOnDesktop(command, err, notifier, [&] {
            const Arguments arguments(args, {}, {"json"});
            arguments.expectPositional({});
            DesktopOpenResult result = DesktopOpenResult::Opened;
            auto session = OpenDesktopOrTellUser(adapters.desktop, notifier, DesktopUse::ItemsAndPositions, result);
            if (result == DesktopOpenResult::NoListView) return int(ExitFailure);
            if (!session) {
                err << "orbiluxctl icons: the desktop belongs to no process\n";
                return int(ExitFailure);
            }
            const bool json = arguments.flag("json");
            std::ostringstream text;
            if (json) text << "{\"icons\": [";
            const int32_t count = session->itemCount();
            for (int32_t i = 0; i < count; ++i) {
                const DesktopItem item = session->queryItem(i);
                const std::string name = Utf8FromWide(item.text);
                if (json)
                    text << (i ? ", " : "") << "{\"index\": " << i << ", \"x\": " << item.x << ", \"y\": " << item.y
                         << ", \"name\": " << JsonString(name) << "}";
                else
                    text << i << "\t" << item.x << "\t" << item.y << "\t" << name << "\n";
            }
            if (json) text << "]}\n";
            out << text.str();
            return int(ExitOk);
        });
    };
    return command;
}

Command ArrangeCommand(system::SystemAdapters& adapters, IconMoveContext moves) {
    Command command{"arrange",
                    "FILE [--width W] [--height H] [--area-width AW] [--area-height AH] [--shift-x X] [--shift-y Y] "
                    "[--gap G] [--json]",
                    "arrange the desktop icons on a shape (defaults: four fifths of the work area, the suggested gap)",
                    {},
                    true};
    command.run = [command, &adapters, moves](const Args& args, std::ostream& out, std::ostream& err) {
        ConsoleNotifier notifier(err);
        return RunOnDesktop(command, err, notifier, [&] {
            const Arguments arguments(args, FrameValueOptions({"gap"}), {"json"});
            arguments.expectPositional({"FILE"});
            const ShapeFrame frame = ReadFrameOptions(arguments, win32::CurrentDefaultShapeFrame(), false);
            ShellDesktopPort desktop = adapters.desktopPort(notifier);
            ShapePlan plan;
            try {
                ScopedIconAction action(moves.actions, IconActionKind::Arrange);
                plan = PlanShape(desktop, std::filesystem::u8path(arguments.positional()[0]), frame,
                                 arguments.intOr("gap", 0));
            } catch (const EngineError& e) {
                err << "orbiluxctl arrange: " << e.what() << "\n";
                return int(ExitPlacementFailed);
            }
            if (notifier.quitRequested()) return int(ExitFailure);
            if (arguments.flag("json")) {
                std::string json = PlanJson(plan);
                json.pop_back();  // the closing brace: the frame used follows
                out << json << ", \"frame\": [" << frame.width << ", " << frame.height << ", " << frame.areaWidth
                    << ", " << frame.areaHeight << ", " << frame.shiftX << ", " << frame.shiftY
                    << "], \"shell\": " << ShellCommitJson(moves.commit.lastOutcome()) << "}\n";
            } else {
                out << PlanText(plan) << ShellCommitText(moves.commit.lastOutcome());
            }
            return PlacementStatus("arrange", plan, err);
        });
    };
    return command;
}

}  // namespace

std::vector<Command> DesktopCommands(system::SystemAdapters& adapters, IconMoveContext moves) {
    return {CountCommand(adapters), IconsCommand(adapters), ArrangeCommand(adapters, moves)};
}

}  // namespace orbilux::cli
