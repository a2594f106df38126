// The one base class for the program's windows. The window procedure finds
// its object through the pointer stored at WM_NCCREATE (passed in
// CreateWindowExW's lpCreateParams) and clears it at WM_NCDESTROY; every
// message goes to the virtual handleMessage.
//
// The dispatch is also the program's one error barrier: an exception that
// escapes a handler is dropped there and the program carries on with the
// next message, as if the handler had returned 0. No message is shown and
// nothing is logged: errors that the user must act on are shown where they
// arise, everything else is not the user's business. Events dispatched
// elsewhere (dialogs, subclassed controls) pass the same barrier through
// RunEventHandler.
#pragma once

#include <windows.h>

namespace orbilux::win32 {

// Runs one event's handler behind the error barrier: what it throws ends
// the event, and `onError` is its result then. Nothing may be thrown
// through a window procedure, so every procedure's work goes through here.
template <typename Result, typename Handler>
Result RunEventHandler(Handler&& handler, Result onError) noexcept {
    try {
        return handler();
    } catch (...) {
        return onError;
    }
}

template <typename Handler>
void RunEventHandler(Handler&& handler) noexcept {
    try {
        handler();
    } catch (...) {
    }
}

// CreateWindowExW's arguments by name.
struct WindowCreateArgs {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menu = nullptr;  // a child window's control id, or a top-level window's menu bar
};

class WindowBase {
public:
    WindowBase() = default;
    virtual ~WindowBase();
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers a class whose windows dispatch to WindowBase objects.
    // Registering the same name twice is harmless.
    static void registerClass(const wchar_t* className, HBRUSH background = nullptr, UINT style = 0,
                              HICON icon = nullptr, HCURSOR cursor = nullptr);

    HWND create(const WindowCreateArgs& args);
    HWND create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent);

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace orbilux::win32
