#include "ui/win32/tooltips.h"

#include <commctrl.h>

namespace orbilux::win32 {

Tooltips::~Tooltips() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void Tooltips::create(HWND owner) {
    if (tooltip_) return;
    owner_ = owner;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    // Without a maximum width a tooltip ignores line breaks.
    setMaxWidth(400);
}

void Tooltips::add(HWND control, const std::wstring& hint) {
    if (!tooltip_ || !control || hint.empty()) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(hint.c_str());  // copied by the control
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::remove(HWND control) {
    if (!tooltip_ || !control) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::setHidePause(int milliseconds) {
    if (tooltip_) SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
}

void Tooltips::setMaxWidth(int pixels) {
    if (tooltip_) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

void Tooltips::setFont(HFONT font) {
    if (tooltip_) SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace orbilux::win32
