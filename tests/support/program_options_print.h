// Readable ProgramOptions in test failure messages.
#pragma once

#include <ostream>

#include "settings/program_options.h"

namespace orbilux {

inline void PrintTo(const ProgramOptions& o, std::ostream* out) {
    *out << "{RunAtStartup " << o.RunAtStartup << ", MinimizeOnTray " << o.MinimizeOnTray << ", LoadLastShape "
         << o.LoadLastShape << ", SaveOnStartup " << o.SaveOnStartup << ", ConfirmSave " << o.ConfirmSave
         << ", ConfirmLoad " << o.ConfirmLoad << ", AutoBlend " << o.AutoBlend << ", RestoreOnScreenChange "
         << o.RestoreOnScreenChange << ", Transparency " << o.Transparency << ", Hue " << o.Hue << ", Saturation "
         << o.Saturation << "}";
}

}  // namespace orbilux
