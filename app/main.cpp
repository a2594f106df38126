// Orbilux.exe: arranges the desktop's icons into shapes and keeps their
// layouts. Everything happens in App; see app/app.h.
#include <windows.h>

#include <commctrl.h>

#include "app/app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    orbilux::app::App app;
    return app.run();
}
