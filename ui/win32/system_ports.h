// The main window's small system ports on Win32: the shell for links, the
// screen's work area and monitors, and the file system.
#pragma once

#include "ui/layouts/date_text.h"
#include "ui/main/main_ports.h"

namespace orbilux::win32 {

// ShellExecuteW with the default verb, no parameters, no working folder and
// show flag 0: the user's browser or mail program decides how to show it.
class ShellLinkOpener : public ui::LinkOpener {
public:
    void openAddress(const std::wstring& address) override;
};

class Win32ScreenInfo : public ui::ScreenInfo {
public:
    ui::Rect workArea() override;  // SystemParametersInfoW(SPI_GETWORKAREA)
    bool onAnyMonitor(const ui::Rect& rect) override;
    int32_t taskbarAllowance() override;  // "Shell_TrayWnd"'s height + 15
};

class Win32FileSystem : public ui::FileSystem {
public:
    bool fileExists(const std::wstring& path) override;
    std::vector<ui::DirectoryEntry> listDirectory(const std::wstring& folder, const std::wstring& pattern) override;
};

}  // namespace orbilux::win32

namespace orbilux::win32 {

// The user's short date and long time patterns, designators and names, read
// at every use (GetLocaleInfoEx with LOCALE_NAME_USER_DEFAULT); a setting
// that can't be read keeps its default.
class Win32DateFormat : public ui::DateDisplayFormatSource {
public:
    ui::DateDisplayFormat userFormat() override;
};

}  // namespace orbilux::win32
