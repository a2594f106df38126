// The skin's colours and their arithmetic. One built-in palette draws every
// window, panel, button, check box, list, edit box, scroll-bar track and
// menu of the program; the user can turn its hue (0..360 degrees) and
// change its saturation (-100..100, where -100 is grey and 100 doubles it).
// Portable: the Win32 painter turns the colours into brushes.
#pragma once

#include <cstdint>

namespace orbilux::ui {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
    bool operator!=(const Rgb& other) const { return !(*this == other); }
};

struct Palette {
    Rgb window;  // the main window's and the dialogs' background
    Rgb panel;   // page panels, the reminder bar, list and edit backgrounds
    Rgb buttonFace;
    Rgb buttonHot;      // a button under the pointer
    Rgb buttonPressed;  // a button held down, or a page button that is "down"
    Rgb buttonBorder;
    Rgb text;
    Rgb disabledText;
    Rgb accent;      // titles, focus marks, the selected row
    Rgb accentText;  // text on the accent colour
    Rgb menu;        // menu background
    Rgb warning;     // the reminder's red; not recoloured, so the warning stays red
};

// The skin as it ships.
Palette BasePalette();

// One colour turned by `hueOffset` degrees and with its saturation scaled
// by (100 + saturationChange) / 100, in HSL. 0/0 (and 360/0) give the
// colour back unchanged; saturation -100 gives its grey of equal lightness.
Rgb ShiftColour(Rgb colour, int32_t hueOffset, int32_t saturationChange);

// Every colour of the palette shifted, except the warning colour.
Palette ShiftPalette(const Palette& base, int32_t hueOffset, int32_t saturationChange);

}  // namespace orbilux::ui
