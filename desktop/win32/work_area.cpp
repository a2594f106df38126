#include "desktop/win32/work_area.h"

#include <windows.h>

namespace orbilux::win32 {

RECT ReadWorkAreaRect() {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return area;
}

WorkAreaSize ReadWorkArea() {
    const RECT area = ReadWorkAreaRect();
    return WorkAreaSize{area.right - area.left, area.bottom - area.top};
}

int32_t TaskbarAllowance() {
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", L"");
    RECT rect{};
    if (!taskbar || !GetWindowRect(taskbar, &rect)) return 0;
    return (rect.bottom - rect.top) + 15;
}

ShapeFrame CurrentDefaultShapeFrame() {
    const WorkAreaSize area = ReadWorkArea();
    return DefaultShapeFrame(area.width, area.height, TaskbarAllowance());
}

}  // namespace orbilux::win32
