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
    const RECT area = ReadWorkAreaRect();
    return {area.left, area.top, area.right, area.bottom};
}

bool Win32ScreenInfo::onAnyMonitor(const ui::Rect& rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

int32_t Win32ScreenInfo::taskbarAllowance() {
    return TaskbarAllowance();
}

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

namespace orbilux::win32 {

namespace {

void ReadLocale(LCTYPE type, std::wstring& into) {
    wchar_t text[128] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 128) > 1) into = text;
}

}  // namespace

ui::DateDisplayFormat Win32DateFormat::userFormat() {
    ui::DateDisplayFormat format;
    ReadLocale(LOCALE_SSHORTDATE, format.shortDate);
    ReadLocale(LOCALE_STIMEFORMAT, format.longTime);
    ReadLocale(LOCALE_S1159, format.am);
    ReadLocale(LOCALE_S2359, format.pm);
    for (int i = 0; i < 12; ++i) {
        ReadLocale(LOCALE_SMONTHNAME1 + LCTYPE(i), format.months[std::size_t(i)]);
        ReadLocale(LOCALE_SABBREVMONTHNAME1 + LCTYPE(i), format.shortMonths[std::size_t(i)]);
    }
    // The locale's days start on Monday (LOCALE_SDAYNAME1), ours on Sunday.
    for (int i = 0; i < 7; ++i) {
        ReadLocale(LOCALE_SDAYNAME1 + LCTYPE(i), format.days[std::size_t((i + 1) % 7)]);
        ReadLocale(LOCALE_SABBREVDAYNAME1 + LCTYPE(i), format.shortDays[std::size_t((i + 1) % 7)]);
    }
    return format;
}

}  // namespace orbilux::win32
