// orbiluxctl's commands on the real system: the shell's desktop, the
// registry and the profile files, through the same adapter set the window
// program holds.
#include "app/system_adapters.h"
#include "cli/command.h"
#include "cli/layout_commands.h"
#include "cli/layout_file_commands.h"
#include "cli/settings_command.h"

namespace orbilux::cli {

std::vector<Command> DesktopCommands(app::SystemAdapters& adapters);

std::vector<Command> SystemCommands() {
    // One set for the whole run, as the window program holds its own.
    static app::SystemAdapters adapters;
    std::vector<Command> commands = DesktopCommands(adapters);
    const LayoutStoreFactory makeStore = [](UserNotifier& notifier) {
        return LayoutStore(adapters.layoutStorePorts(notifier));
    };
    for (Command& command : LayoutCommandsOver(makeStore)) commands.push_back(std::move(command));
    for (Command& command : LayoutFileCommandsOver(makeStore, {adapters.registry, adapters.timeZone, adapters.locale}))
        commands.push_back(std::move(command));
    commands.push_back(SettingsCommandOver(adapters.profile, adapters.registry, adapters.locations));
    return commands;
}

}  // namespace orbilux::cli
