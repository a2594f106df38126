// Where the settings file and the program's own files are. Both are worked
// out afresh on every call: the documents folder can move while the
// program runs (folder redirection), and the answer must follow it.
#pragma once

#include <string>

#include "settings/system_locations.h"

namespace orbilux {

// The settings file: "<documents>\Orbilux\Settings.ini", the "Orbilux"
// folder created when missing (a failed creation is not reported here; the
// first write to the file reports it). When the documents folder can't be
// resolved, "Setting.ini" in the program's folder.
std::wstring SettingsFilePath(SystemLocations& locations);

// The folder that holds the program, with a trailing path delimiter.
std::wstring ProgramFolder(SystemLocations& locations);

// `folder` and `name` joined by exactly one path delimiter.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

}  // namespace orbilux
