// The program's one tray icon. It owns its notification record (filled
// once, reused for every add and delete), knows whether the icon is shown,
// and adds it again when the taskbar is re-created (Explorer restarted),
// which would otherwise lose it until the next minimise.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "ui/main/main_ports.h"

namespace orbilux::win32 {

class TrayIcon : public ui::TrayIconPort {
public:
    // The window that receives the callback and the icon shown; the record
    // is filled from them by fillRecord().
    void attach(HWND window, HICON icon);

    void fillRecord() override;
    void addIcon() override;
    void deleteIcon() override;
    bool shown() const { return shown_; }

    // The message the taskbar broadcasts when it has been re-created.
    static UINT TaskbarCreatedMessage();
    void onTaskbarCreated();

private:
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    NOTIFYICONDATAW record_{};
    bool shown_ = false;
};

}  // namespace orbilux::win32
