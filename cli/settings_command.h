// orbiluxctl settings: where the settings file is and the options loaded
// from it. The command is written over the settings ports so that tests can
// run it on fakes; orbiluxctl on Windows runs it on the real adapters.
#pragma once

#include <string>

#include "cli/command.h"
#include "platform/registry_port.h"
#include "settings/profile_port.h"
#include "settings/program_options.h"
#include "settings/system_locations.h"

namespace orbilux::cli {

// The command over the given ports (they must outlive the command).
Command SettingsCommandOver(ProfilePort& profile, RegistryPort& registry, SystemLocations& locations);

// One JSON object: "path" and the ten ProgramOptions fields by name.
std::string SettingsJson(const std::wstring& path, const ProgramOptions& options);
// One "name: value" line each, the path first.
std::string SettingsText(const std::wstring& path, const ProgramOptions& options);

}  // namespace orbilux::cli
