#include "cli/command.h"

#ifdef _WIN32
#include "desktop/win32/win32_desktop.h"
#endif

namespace orbilux::cli {

const char* const FrameOptionsUsage =
    "--width W --height H --area-width AW --area-height AH [--shift-x X] [--shift-y Y]";

std::set<std::string> FrameValueOptions(std::set<std::string> extra) {
    extra.insert({"width", "height", "area-width", "area-height", "shift-x", "shift-y"});
    return extra;
}

ShapeFrame ReadFrameOptions(const Arguments& arguments, const ShapeFrame& defaults, bool required) {
    ShapeFrame frame;
    // A shape of no size (or a mirrored one) is never what was meant.
    if (required) {
        frame.width = arguments.requiredInt("width", 1);
        frame.height = arguments.requiredInt("height", 1);
        frame.areaWidth = arguments.requiredInt("area-width");
        frame.areaHeight = arguments.requiredInt("area-height");
    } else {
        frame.width = arguments.intOr("width", defaults.width, 1);
        frame.height = arguments.intOr("height", defaults.height, 1);
        frame.areaWidth = arguments.intOr("area-width", defaults.areaWidth);
        frame.areaHeight = arguments.intOr("area-height", defaults.areaHeight);
    }
    frame.shiftX = arguments.intOr("shift-x", defaults.shiftX);
    frame.shiftY = arguments.intOr("shift-y", defaults.shiftY);
    return frame;
}

int RunWithUsage(const Command& command, std::ostream& err, const std::function<int()>& body) {
    try {
        return body();
    } catch (const UsageError& e) {
        err << "orbiluxctl " << command.name << ": " << e.what() << "\n"
            << "usage: orbiluxctl " << command.name << " " << command.usage << "\n";
        return ExitUsage;
    } catch (const std::exception& e) {
        // The system's errors (the desktop's process can't be reached, the
        // registry, memory) end as a message and a failure status, not an
        // abort.
        err << "orbiluxctl " << command.name << ": " << e.what() << "\n";
        return ExitFailure;
    }
}

static void PrintOverview(std::ostream& stream) {
    stream << "usage: orbiluxctl COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command& command : AllCommands())
        stream << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
}

int RunCommandLine(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintOverview(err);
        return ExitUsage;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        PrintOverview(out);
        return ExitOk;
    }
    for (const Command& command : AllCommands()) {
        if (command.name != args[0]) continue;
#ifdef _WIN32
        if (command.reachesDesktop) win32::SwitchDesktopPaintingOn();
#endif
        return command.run(Args(args.begin() + 1, args.end()), out, err);
    }
    err << "orbiluxctl: unknown command \"" << args[0] << "\"\n";
    PrintOverview(err);
    return ExitUsage;
}

}  // namespace orbilux::cli
