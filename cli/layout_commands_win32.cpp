// orbiluxctl's layout commands on the real registry and the shell's desktop.
#include "cli/layout_commands.h"
#include "desktop/win32/layout_ports_win32.h"
#include "desktop/win32/win32_desktop.h"
#include "platform/win32/registry_win32.h"

namespace orbilux::cli {

std::vector<Command> LayoutCommands() {
    // The adapters hold no state, so one of each serves every run.
    static win32::Win32Registry registry;
    static win32::Win32DesktopAccess desktop;
    static win32::Win32Clock clock;
    static win32::Win32LocaleSource locale;
    static win32::Win32ScreenMetrics screen;
    static win32::Win32TickSource ticks;
    return LayoutCommandsOver([](UserNotifier& notifier) {
        return LayoutStore(LayoutStorePorts{registry, desktop, notifier, clock, locale, screen, ticks});
    });
}

}  // namespace orbilux::cli
