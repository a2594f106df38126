// orbiluxctl's commands on the real system: the shell's desktop, the
// registry and the profile files, through the same adapter set the window
// program holds.
#include "cli/command.h"
#include "cli/layout_commands.h"
#include "cli/settings_command.h"
#include "system/system_adapters.h"

namespace orbilux::cli {

std::vector<Command> DesktopCommands(system::SystemAdapters& adapters);

std::vector<Command> SystemCommands() {
    // One set for the whole run, as the window program holds its own.
    static system::SystemAdapters adapters;
    std::vector<Command> commands = DesktopCommands(adapters);
    for (Command& command :
         LayoutCommandsOver([](UserNotifier& notifier) { return LayoutStore(adapters.layoutStorePorts(notifier)); }))
        commands.push_back(std::move(command));
    commands.push_back(SettingsCommandOver(adapters.profile, adapters.registry, adapters.locations));
    return commands;
}

}  // namespace orbilux::cli
