// The list of orbiluxctl's commands. Each command lives in its own file and
// exposes a factory here.
#include "cli/command.h"

namespace orbilux::cli {

Command ImportSvgCommand();
Command PlanCommand();
Command PreviewCommand();

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        PlanCommand(),
        PreviewCommand(),
        ImportSvgCommand(),
    };
    return commands;
}

}  // namespace orbilux::cli
