// The hints of a window's controls: one tooltip control that shows each
// registered control's hint while the pointer rests on it. Hints may hold
// line breaks.
#pragma once

#include <windows.h>

#include <string>

namespace orbilux::win32 {

class Tooltips {
public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // Creates the tooltip control for the window (once).
    void create(HWND owner);
    void add(HWND control, const std::wstring& hint);
    // For controls that go before the owner does (a dialog's).
    void remove(HWND control);
    void setHidePause(int milliseconds);
    // The width at which hints wrap, in pixels of the owner's DPI.
    void setMaxWidth(int pixels);
    void setFont(HFONT font);
    HWND hwnd() const { return tooltip_; }

private:
    HWND tooltip_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace orbilux::win32
