#include "ui/win32/system_ports.h"

#include <windows.h>

#include <shellapi.h>

#include "desktop/win32/work_area.h"
#include "platform/win32/unique_handle.h"

namespace orbilux::win32 {

void ShellLinkOpener::openAddress(const std::wstring& address) {
    ShellExecuteW(nullptr, nullptr, address.c_str(), nullptr, nullptr, 0);
}

ui::Rect Win32ScreenInfo::workArea() {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {area.left, area.top, area.right, area.bottom};
}

bool Win32ScreenInfo::onAnyMonitor(const ui::Rect& rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

int32_t Win32ScreenInfo::taskbarAllowance() { return TaskbarAllowance(); }

bool Win32FileSystem::fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<ui::DirectoryEntry> Win32FileSystem::listDirectory(const std::wstring& folder,
                                                               const std::wstring& pattern) {
    std::vector<ui::DirectoryEntry> entries;
    WIN32_FIND_DATAW found{};
    UniqueFindHandle find(FindFirstFileW((folder + L"\\" + pattern).c_str(), &found));
    if (!find) return entries;
    do {
        entries.push_back({found.cFileName, found.dwFileAttributes});
    } while (FindNextFileW(find.get(), &found));
    return entries;
}

}  // namespace orbilux::win32
