// Creates a window's standard controls from their 96-DPI rectangles and
// keeps them placed and fonted at the window's DPI: on WM_DPICHANGED one
// call moves and re-fonts every control. Rectangles are in the client
// coordinates of each control's parent (the window or one of its panels).
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "ui/geometry.h"
#include "ui/win32/dpi.h"

namespace orbilux::win32 {

enum class FontRole { Normal, Bold, Title };

struct ControlTemplate {
    const wchar_t* className = L"Static";
    std::wstring text;
    DWORD style = 0;  // WS_CHILD and WS_VISIBLE are added
    ui::Rect rect;    // logical pixels, in the parent's client area
    int id = 0;
    FontRole font = FontRole::Normal;
    DWORD exStyle = 0;
};

// The window's fonts at one DPI: the system's message font, its bold
// variant, and a large bold one for titles.
class FontSet {
public:
    void build(Dpi dpi);
    HFONT get(FontRole role) const;

private:
    UniqueFont normal_, bold_, title_;
};

class ControlLayout {
public:
    void setDpi(Dpi dpi);
    Dpi dpi() const { return dpi_; }
    const FontSet& fonts() const { return fonts_; }

    HWND add(HWND parent, const ControlTemplate& control);
    // Registers a window made elsewhere (a panel) so that it moves with the rest.
    void track(HWND window, const ui::Rect& logical, FontRole font = FontRole::Normal);
    // Gives a control a new logical rectangle.
    void move(HWND control, const ui::Rect& logical);
    ui::Rect logicalRect(HWND control) const;

    // Moves every control to its rectangle at the current DPI and gives it
    // the current font.
    void relayout();

    // The control with that id, wherever it stands; nullptr when none.
    HWND control(int id) const;

private:
    struct Slot {
        HWND window;
        ui::Rect rect;
        FontRole font;
    };
    void place(const Slot& slot) const;

    Dpi dpi_;
    FontSet fonts_;
    std::vector<Slot> slots_;
    std::map<int, HWND> byId_;
};

}  // namespace orbilux::win32
