// The list of orbiluxctl's commands. Each command lives in its own file and
// exposes a factory here.
#include "cli/command.h"

namespace orbilux::cli {

Command ImportSvgCommand();
Command PlanCommand();
Command PreviewCommand();
#ifdef _WIN32
std::vector<Command> SystemCommands();  // on the real adapters: Windows only
#endif

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> all = {
            PlanCommand(),
            PreviewCommand(),
            ImportSvgCommand(),
        };
#ifdef _WIN32
        for (Command& command : SystemCommands()) all.push_back(std::move(command));
#endif
        return all;
    }();
    return commands;
}

}  // namespace orbilux::cli
