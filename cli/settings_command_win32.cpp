// orbiluxctl settings on the real profile functions, registry and shell.
#include "cli/settings_command.h"
#include "platform/win32/registry_win32.h"
#include "settings/win32/profile_win32.h"
#include "settings/win32/system_locations_win32.h"

namespace orbilux::cli {

Command SettingsCommand() {
    // The adapters hold no state, so one of each serves every run.
    static win32::Win32Profile profile;
    static win32::Win32Registry registry;
    static win32::Win32SystemLocations locations;
    return SettingsCommandOver(profile, registry, locations);
}

}  // namespace orbilux::cli
