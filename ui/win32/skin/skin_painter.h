// Draws the program's windows from the skin's palette: the background of
// windows and panels, the colours of standard controls (WM_CTLCOLOR*),
// owner-drawn push buttons and the menus' background. The controls stay the
// standard Windows classes with their captions as window text, so the
// keyboard, screen readers and our GUI tests see ordinary controls.
//
// When the skin changes, the painter rebuilds its brushes and repaints
// every window of the program at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "ui/skin/skin.h"

namespace orbilux::win32 {

inline COLORREF ToColorRef(ui::Rgb colour) {
    return RGB(colour.r, colour.g, colour.b);
}

enum class Surface { Window, Panel };

// How a push button is drawn besides its own state (pressed, disabled,
// focused): a page button that stays down, a button under the pointer, a
// button that never shows a focus rectangle.
enum class Glyph { None, Left, Right, Up, Down, Centre };

struct ButtonLook {
    bool latched = false;
    bool hot = false;
    bool noFocusRect = false;
    Glyph glyph = Glyph::None;  // a picture instead of the caption (which stays the window text)
    bool link = false;          // drawn as a web link: underlined accent text on the surface
};

class SkinPainter {
public:
    explicit SkinPainter(ui::Skin& skin);
    SkinPainter(const SkinPainter&) = delete;
    SkinPainter& operator=(const SkinPainter&) = delete;

    const ui::Palette& palette() const { return skin_.palette(); }
    HBRUSH surfaceBrush(Surface surface) const;

    // The answer to WM_CTLCOLOR* for `control`, which stands on `surface`:
    // sets the DC's colours and returns the background brush. `warning`
    // draws the text in the warning colour.
    HBRUSH controlColours(UINT message, HDC dc, HWND control, Surface surface, bool warning = false) const;

    void fill(HDC dc, const RECT& area, Surface surface) const;
    // A group's frame with its caption in the top left corner.
    void drawGroupFrame(HDC dc, const RECT& area, const std::wstring& caption, HFONT font) const;
    void drawButton(const DRAWITEMSTRUCT& item, const ButtonLook& look) const;

    // The menu takes the skin's menu background now and after every change.
    void skinMenu(HMENU menu);

    // Repaints every window of this thread (the main window, open dialogs
    // and their controls) and their menu bars.
    static void RepaintAll();

private:
    void rebuild();
    void drawCaption(HDC dc, const RECT& box, const std::wstring& text, ui::Rgb colour, bool pressed) const;
    void drawGlyph(HDC dc, const RECT& box, Glyph glyph, ui::Rgb colour, bool pressed) const;
    void drawLink(const DRAWITEMSTRUCT& item, const ButtonLook& look) const;

    ui::Skin& skin_;
    UniqueBrush window_;
    UniqueBrush panel_;
    UniqueBrush field_;
    UniqueBrush track_;
    UniqueBrush menu_;
    std::vector<HMENU> menus_;
};

}  // namespace orbilux::win32
