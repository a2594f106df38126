// orbiluxctl's commands on the real system: the shell's desktop, the
// registry and the profile files, through the same adapter set the window
// program holds.
#include <sstream>

#include "cli/command.h"
#include "cli/console_notifier.h"
#include "cli/layout_commands.h"
#include "cli/layout_file_commands.h"
#include "cli/settings_command.h"
#include "cli/shell_commit_output.h"
#include "desktop/undo_snapshot.h"
#include "system/system_adapters.h"

namespace orbilux::cli {

std::vector<Command> DesktopCommands(system::SystemAdapters& adapters, IconMoveContext moves);

namespace {

// The adapters and, as in the window program, the actions seam with the
// shell-model commit at the end of every action that moves icons.
struct CommandLineSystem {
    system::SystemAdapters adapters;
    IconActions actions;
    ShellModelCommit shellCommit{adapters.desktop, adapters.shellModel};
    // Keeps the positions before every arrange and restore for
    // "restore before-last-change"; it reads the desktop quietly, so its
    // store's messages never show.
    std::ostringstream quiet;
    ConsoleNotifier quietNotifier{quiet};
    LayoutStore snapshotStore{adapters.layoutStorePorts(quietNotifier)};
    UndoSnapshot undo{snapshotStore};

    CommandLineSystem() {
        actions.addObserver(shellCommit);
        actions.addObserver(undo);
    }
    IconMoveContext moves() { return {actions, shellCommit}; }
};

}  // namespace

std::vector<Command> SystemCommands() {
    // One set for the whole run, as the window program holds its own.
    static CommandLineSystem commandLine;
    system::SystemAdapters& adapters = commandLine.adapters;
    std::vector<Command> commands = DesktopCommands(adapters, commandLine.moves());
    for (Command& command : LayoutCommandsOver(
             [&adapters](UserNotifier& notifier) { return LayoutStore(adapters.layoutStorePorts(notifier)); },
             commandLine.moves()))
        commands.push_back(std::move(command));
    for (Command& command : LayoutFileCommandsOver(
             [&adapters](UserNotifier& notifier) { return LayoutStore(adapters.layoutStorePorts(notifier)); },
             {adapters.registry, adapters.timeZone, adapters.locale}))
        commands.push_back(std::move(command));
    commands.push_back(SettingsCommandOver(adapters.profile, adapters.registry, adapters.locations));
    return commands;
}

}  // namespace orbilux::cli
