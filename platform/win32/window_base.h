// The one base class for the program's windows. The window procedure finds
// its object through the pointer stored at WM_NCCREATE (passed in
// CreateWindowExW's lpCreateParams) and clears it at WM_NCDESTROY; every
// message goes to the virtual handleMessage. Exceptions never leave a window
// procedure: derived classes catch them where they handle the event.
#pragma once

#include <windows.h>

namespace orbilux::win32 {

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
    static void registerClass(const wchar_t* className, HBRUSH background = nullptr, UINT style = 0);

    HWND create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent);

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace orbilux::win32
