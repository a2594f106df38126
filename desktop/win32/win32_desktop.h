// The desktop port on the real shell: sessions on the shell's desktop list
// view for the layout store and the engine's ShellDesktopPort, and the
// painting switch every start of a desktop-using program calls first.
#pragma once

#include <windows.h>

#include <optional>

#include "desktop/desktop_session.h"

namespace orbilux::win32 {

class Win32DesktopAccess : public DesktopAccess {
public:
    std::unique_ptr<DesktopSession> open(DesktopOpenResult& result, DesktopUse use) override;

    // The auto-arrange setting a session could not give back to a shell
    // that had stopped answering; put back at the next open, once the same
    // list view answers again.
    struct PendingAutoArrange {
        HWND listView = nullptr;
        bool on = false;
    };

private:
    std::optional<PendingAutoArrange> pending_;
};

// Switches the desktop list view's painting on and has it painted anew. A
// program killed while its moves had painting off leaves the desktop
// unpainted until someone does this; Orbilux.exe and orbiluxctl's desktop
// commands do it once before anything else. Harmless when painting is on;
// does nothing when there is no desktop list view, and never throws.
void SwitchDesktopPaintingOn();

}  // namespace orbilux::win32
