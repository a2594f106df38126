#include "ui/win32/control_layout.h"

namespace orbilux::win32 {

void FontSet::build(Dpi dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi.value)) {
        metrics.lfMessageFont = LOGFONTW{};
        metrics.lfMessageFont.lfHeight = -dpi.scale(12);
        lstrcpynW(metrics.lfMessageFont.lfFaceName, L"Segoe UI", LF_FACESIZE);
    }
    LOGFONTW font = metrics.lfMessageFont;
    normal_.reset(CreateFontIndirectW(&font));
    font.lfWeight = FW_BOLD;
    bold_.reset(CreateFontIndirectW(&font));
    font.lfHeight = font.lfHeight * 2;
    title_.reset(CreateFontIndirectW(&font));
}

HFONT FontSet::get(FontRole role) const {
    switch (role) {
        case FontRole::Bold:
            return bold_.get();
        case FontRole::Title:
            return title_.get();
        default:
            return normal_.get();
    }
}

void ControlLayout::setDpi(Dpi dpi) {
    dpi_ = dpi;
    fonts_.build(dpi);
}

HWND ControlLayout::add(HWND parent, const ControlTemplate& control) {
    const RECT r = dpi_.scale(control.rect);
    const HWND window =
        CreateWindowExW(control.exStyle, control.className, control.text.c_str(), WS_CHILD | WS_VISIBLE | control.style,
                        r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleW(nullptr), nullptr);
    if (window) track(window, control.rect, control.font);
    return window;
}

void ControlLayout::track(HWND window, const ui::Rect& logical, FontRole font) {
    slots_.push_back({window, logical, font});
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(font)), FALSE);
    if (const int id = GetDlgCtrlID(window)) byId_[id] = window;
}

void ControlLayout::move(HWND control, const ui::Rect& logical) {
    for (Slot& slot : slots_) {
        if (slot.window != control) continue;
        slot.rect = logical;
        place(slot);
        return;
    }
}

ui::Rect ControlLayout::logicalRect(HWND control) const {
    for (const Slot& slot : slots_)
        if (slot.window == control) return slot.rect;
    return {};
}

void ControlLayout::place(const Slot& slot) const {
    const RECT r = dpi_.scale(slot.rect);
    // No copying of the old contents: a label made narrower must wrap its
    // text anew rather than show its old lines cut off.
    SetWindowPos(slot.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void ControlLayout::relayout() {
    for (const Slot& slot : slots_) {
        SendMessageW(slot.window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(slot.font)), FALSE);
        place(slot);
    }
}

HWND ControlLayout::control(int id) const {
    const auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

}  // namespace orbilux::win32
