// The plain windows of the stand-in's tree ("Progman", "SHELLDLL_DefView",
// "WorkerW"): each keeps its one child sized to its client area. The Progman
// window also takes the tests' commands (WM_COPYDATA) and ends the program
// when it is closed.
#pragma once

#include <functional>

#include "platform/win32/window_base.h"

namespace orbilux::standin {

class HostWindow : public win32::WindowBase {
public:
    using CommandHandler = std::function<bool(ULONG_PTR command, const void* data, DWORD size)>;

    HostWindow(const wchar_t* className, const wchar_t* title, DWORD style, RECT area, HWND parent);
    void setCommandHandler(CommandHandler handler) { onCommand_ = std::move(handler); }
    void quitWhenDestroyed() { quitOnDestroy_ = true; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CommandHandler onCommand_;
    bool quitOnDestroy_ = false;
};

}  // namespace orbilux::standin
