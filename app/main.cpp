// Orbilux.exe: arranges the desktop's icons into shapes and keeps their
// layouts. Everything happens in App; see app/app.h.
#include <windows.h>

#include <commctrl.h>

#include "app/app.h"
#include "app/single_instance.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A second start brings the running copy forward and ends here, before
    // it touches the desktop or the settings.
    const orbilux::app::SingleInstance instance;
    if (!instance.runs()) return 0;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    orbilux::app::App app;
    return app.run();
}
