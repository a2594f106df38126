// The settings store: the settings file's location, ProgramOptions loaded
// from and saved to it key by key, the start-with-Windows entry and the
// product version. One object over the three ports the settings need; the
// window program builds it with the real adapters, tests with fakes.
#pragma once

#include <string>

#include "platform/registry_port.h"
#include "settings/profile_port.h"
#include "settings/program_options.h"
#include "settings/settings_file.h"
#include "settings/system_locations.h"

namespace orbilux {

// Fills every field: RunAtStartup from the Run value (present means on,
// whatever path it holds), then the nine "Options" keys in the file's key
// order. Missing or unreadable keys give their defaults; integers outside
// their option's range are brought to its nearest end. Never fails.
ProgramOptions LoadOptions(const SettingsFile& file, RegistryPort& registry);

// Writes the nine "Options" keys in the file's key order, then sets the Run
// value to the quoted `programPath` (RunAtStartup on) or removes it when it
// exists (off). A key that can't be written raises SettingsWriteError:
// nothing after it is written and the Run value is left as it was.
// Returns whether the start-with-Windows entry now matches RunAtStartup
// (false when the Run key couldn't be opened or changed).
bool SaveOptions(SettingsFile& file, const ProgramOptions& options, RegistryPort& registry,
                 const std::wstring& programPath);

class SettingsStore {
public:
    SettingsStore(ProfilePort& profile, RegistryPort& registry, SystemLocations& locations)
        : profile_(profile), registry_(registry), locations_(locations) {}

    // See settings_paths.h; both are worked out afresh on every call.
    std::wstring settingsFilePath();
    std::wstring programFolder();

    // The settings file at `path`, for reading and writing single keys.
    SettingsFile file(const std::wstring& path) { return SettingsFile(profile_, path); }

    ProgramOptions loadOptions(const std::wstring& path);
    // Sets the Run value to this program's current full path when
    // RunAtStartup is on. Throws SettingsWriteError as SaveOptions does.
    bool saveOptions(const std::wstring& path, const ProgramOptions& options);

    std::wstring productVersion();

private:
    ProfilePort& profile_;
    RegistryPort& registry_;
    SystemLocations& locations_;
};

}  // namespace orbilux
