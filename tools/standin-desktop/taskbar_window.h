// The stand-in's taskbar: a "Shell_TrayWnd" window along the bottom of the
// screen, of a chosen height, that receives what Shell_NotifyIconW sends the
// shell (a WM_COPYDATA per add, modify and delete) and records the tray
// icons it is told about, so tests can see an icon added and deleted. It
// can also announce itself as re-created ("TaskbarCreated"), as Explorer
// does after a restart.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/window_base.h"

namespace orbilux::standin {

class TaskbarWindow : public win32::WindowBase {
public:
    TaskbarWindow(int screenWidth, int screenHeight, int height);

    // "tray\tadd\t<id>\t<callback hex>\t<tip>" and "tray\tdelete\t<id>" lines.
    std::string reportLines() const;
    void resetLog() { events_.clear(); }
    // Tells every top-level window that the taskbar was re-created.
    static void BroadcastTaskbarCreated();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void recordNotification(const COPYDATASTRUCT& copy);
    std::vector<std::string> events_;
};

}  // namespace orbilux::standin
