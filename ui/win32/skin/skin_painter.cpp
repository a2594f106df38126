#include "ui/win32/skin/skin_painter.h"

#include <algorithm>
#include <string>

#include "ui/win32/window_text.h"

namespace orbilux::win32 {

namespace {

UniqueBrush Brush(ui::Rgb colour) {
    return UniqueBrush(CreateSolidBrush(ToColorRef(colour)));
}

}  // namespace

SkinPainter::SkinPainter(ui::Skin& skin) : skin_(skin) {
    rebuild();
    skin_.addListener([this](const ui::Palette&) {
        rebuild();
        RepaintAll();
    });
}

void SkinPainter::rebuild() {
    const ui::Palette& p = skin_.palette();
    window_ = Brush(p.window);
    panel_ = Brush(p.panel);
    field_ = Brush(p.menu);
    track_ = Brush(p.buttonFace);
    menu_ = Brush(p.menu);
    for (HMENU menu : menus_) {
        MENUINFO info{};
        info.cbSize = sizeof info;
        info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
        info.hbrBack = menu_.get();
        SetMenuInfo(menu, &info);
    }
}

HBRUSH SkinPainter::surfaceBrush(Surface surface) const {
    return surface == Surface::Window ? window_.get() : panel_.get();
}

HBRUSH SkinPainter::controlColours(UINT message, HDC dc, HWND control, Surface surface, bool warning) const {
    const ui::Palette& p = palette();
    const bool enabled = IsWindowEnabled(control);
    SetTextColor(dc, ToColorRef(warning ? p.warning : enabled ? p.text : p.disabledText));
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            SetBkColor(dc, ToColorRef(p.menu));
            return field_.get();
        case WM_CTLCOLORSCROLLBAR:
            return track_.get();
        default:
            SetBkColor(dc, ToColorRef(surface == Surface::Window ? p.window : p.panel));
            return surfaceBrush(surface);
    }
}

void SkinPainter::fill(HDC dc, const RECT& area, Surface surface) const {
    FillRect(dc, &area, surfaceBrush(surface));
}

void SkinPainter::drawButton(const DRAWITEMSTRUCT& item, const ButtonLook& look) const {
    if (look.link) {
        drawLink(item, look);
        return;
    }
    const ui::Palette& p = palette();
    const HDC dc = item.hDC;
    RECT box = item.rcItem;
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool pressed = (item.itemState & ODS_SELECTED) || look.latched;

    // The button's corners show the surface it stands on.
    const HWND parent = GetParent(item.hwndItem);
    FillRect(dc, &box,
             reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(item.hwndItem))));
    const ui::Rgb face = pressed ? p.buttonPressed : (look.hot && !disabled) ? p.buttonHot : p.buttonFace;
    UniqueBrush faceBrush = Brush(face);
    UniquePen borderPen(CreatePen(PS_SOLID, 1, ToColorRef(pressed ? p.accent : p.buttonBorder)));
    {
        SelectedObject brush(dc, faceBrush.get());
        SelectedObject pen(dc, borderPen.get());
        const int round = (box.bottom - box.top) > 30 ? 8 : 5;
        RoundRect(dc, box.left, box.top, box.right, box.bottom, round, round);
    }

    if (look.glyph != Glyph::None) {
        drawGlyph(dc, box, look.glyph, disabled ? p.disabledText : p.text, pressed);
    } else {
        drawCaption(dc, box, WindowText(item.hwndItem), disabled ? p.disabledText : p.text, pressed);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && !look.noFocusRect) {
        RECT focus = box;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void SkinPainter::drawCaption(HDC dc, const RECT& box, const std::wstring& text, ui::Rgb colour, bool pressed) const {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colour));
    RECT textArea = box;
    InflateRect(&textArea, -4, -2);
    if (pressed) OffsetRect(&textArea, 0, 1);
    // Centred as a block, however many lines the caption wraps to.
    RECT measured = textArea;
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    DrawTextW(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
    const int lines = measured.bottom - measured.top;
    textArea.top += ((textArea.bottom - textArea.top) - lines) / 2;
    DrawTextW(dc, text.c_str(), -1, &textArea, format);
}

void SkinPainter::drawGlyph(HDC dc, const RECT& box, Glyph glyph, ui::Rgb colour, bool pressed) const {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2 + (pressed ? 1 : 0);
    const int r = std::max(3, int(std::min(box.right - box.left, box.bottom - box.top)) / 4);
    UniqueBrush brush = Brush(colour);
    UniquePen pen(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    SelectedObject selectedBrush(dc, brush.get());
    SelectedObject selectedPen(dc, pen.get());
    if (glyph == Glyph::Centre) {
        Ellipse(dc, cx - r / 2, cy - r / 2, cx + r / 2 + 1, cy + r / 2 + 1);
        return;
    }
    // Each arrow: its tip, then its two back corners.
    const int h = r / 2;
    const POINT arrows[4][3] = {
        {{cx - r, cy}, {cx + h, cy - r}, {cx + h, cy + r}},  // left
        {{cx + r, cy}, {cx - h, cy - r}, {cx - h, cy + r}},  // right
        {{cx, cy - r}, {cx - r, cy + h}, {cx + r, cy + h}},  // up
        {{cx, cy + r}, {cx - r, cy - h}, {cx + r, cy - h}},  // down
    };
    Polygon(dc, arrows[int(glyph) - int(Glyph::Left)], 3);
}

void SkinPainter::drawLink(const DRAWITEMSTRUCT& item, const ButtonLook& look) const {
    const HDC dc = item.hDC;
    const HWND parent = GetParent(item.hwndItem);
    FillRect(dc, &item.rcItem,
             reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(item.hwndItem))));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfUnderline = TRUE;
    UniqueFont underlined(CreateFontIndirectW(&font));
    SelectedObject selected(dc, underlined.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(look.hot ? palette().text : palette().accent));
    RECT text = item.rcItem;
    const std::wstring caption = WindowText(item.hwndItem);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    RECT area = item.rcItem;
    DrawTextW(dc, caption.c_str(), -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus{text.left, area.top, std::min(text.right + 2, area.right), area.bottom};
        DrawFocusRect(dc, &focus);
    }
}

void SkinPainter::drawGroupFrame(HDC dc, const RECT& area, const std::wstring& caption, HFONT font) const {
    SelectedObject selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    UniquePen pen(CreatePen(PS_SOLID, 1, ToColorRef(palette().buttonBorder)));
    {
        SelectedObject selectedPen(dc, pen.get());
        SelectedObject hollow(dc, GetStockObject(HOLLOW_BRUSH));
        RoundRect(dc, frame.left, frame.top, frame.right, frame.bottom, 6, 6);
    }
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &size);
    RECT label{area.left + 8, area.top, area.left + 12 + size.cx, area.top + metrics.tmHeight};
    FillRect(dc, &label, surfaceBrush(Surface::Window));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(palette().text));
    DrawTextW(dc, caption.c_str(), -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void SkinPainter::skinMenu(HMENU menu) {
    menus_.push_back(menu);
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = menu_.get();
    SetMenuInfo(menu, &info);
}

void SkinPainter::RepaintAll() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            if (GetMenu(window)) DrawMenuBar(window);
            return TRUE;
        },
        0);
}

}  // namespace orbilux::win32
