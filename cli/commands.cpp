// The list of orbiluxctl's commands. Each command lives in its own file and
// exposes a factory here.
#include "cli/command.h"

namespace orbilux::cli {

Command PlanCommand();
Command PreviewCommand();
#ifdef _WIN32
Command SettingsCommand();  // on the real adapters: Windows only
#endif

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        PlanCommand(),
        PreviewCommand(),
#ifdef _WIN32
        SettingsCommand(),
#endif
    };
    return commands;
}

}  // namespace orbilux::cli
