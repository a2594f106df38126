// The engine's desktop port on the real shell's list view (the stand-in
// desktop under Wine), with a notifier that remembers what it was told.
#pragma once

#include "desktop/shell_desktop_port.h"
#include "desktop/win32/win32_desktop.h"
#include "tests/support/recording_notifier.h"

namespace orbilux::test {

struct RealDesktop {
    win32::Win32DesktopAccess access;
    RecordingNotifier notifier;
    ShellDesktopPort port{access, notifier};
};

}  // namespace orbilux::test
