#include "ui/skin/palette.h"

#include <algorithm>
#include <cmath>

namespace orbilux::ui {

namespace {

struct Hsl {
    double h;  // degrees, [0, 360)
    double s;  // [0, 1]
    double l;  // [0, 1]
};

Hsl ToHsl(Rgb c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double l = (high + low) / 2;
    const double chroma = high - low;
    if (chroma == 0) return {0, 0, l};
    const double s = chroma / (1 - std::fabs(2 * l - 1));
    double h;
    if (high == r)
        h = std::fmod((g - b) / chroma, 6.0);
    else if (high == g)
        h = (b - r) / chroma + 2;
    else
        h = (r - g) / chroma + 4;
    h *= 60;
    if (h < 0) h += 360;
    return {h, s, l};
}

uint8_t ToByte(double unit) {
    return static_cast<uint8_t>(std::lround(std::clamp(unit, 0.0, 1.0) * 255));
}

Rgb FromHsl(Hsl c) {
    const double chroma = (1 - std::fabs(2 * c.l - 1)) * c.s;
    const double sector = c.h / 60;
    const double x = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(sector) % 6) {
        case 0:
            r = chroma, g = x;
            break;
        case 1:
            r = x, g = chroma;
            break;
        case 2:
            g = chroma, b = x;
            break;
        case 3:
            g = x, b = chroma;
            break;
        case 4:
            r = x, b = chroma;
            break;
        default:
            r = chroma, b = x;
            break;
    }
    const double m = c.l - chroma / 2;
    return {ToByte(r + m), ToByte(g + m), ToByte(b + m)};
}

}  // namespace

Palette BasePalette() {
    Palette p;
    p.window = {214, 226, 242};
    p.panel = {232, 239, 248};
    p.buttonFace = {196, 213, 236};
    p.buttonHot = {174, 198, 232};
    p.buttonPressed = {132, 166, 214};
    p.buttonBorder = {96, 124, 168};
    p.text = {22, 32, 52};
    p.disabledText = {128, 140, 160};
    p.accent = {36, 92, 178};
    p.accentText = {255, 255, 255};
    p.menu = {238, 243, 250};
    p.warning = {204, 0, 0};
    return p;
}

Rgb ShiftColour(Rgb colour, int32_t hueOffset, int32_t saturationChange) {
    Hsl hsl = ToHsl(colour);
    hsl.h = std::fmod(hsl.h + hueOffset, 360.0);
    if (hsl.h < 0) hsl.h += 360;
    hsl.s = std::clamp(hsl.s * (100.0 + saturationChange) / 100.0, 0.0, 1.0);
    return FromHsl(hsl);
}

Palette ShiftPalette(const Palette& base, int32_t hueOffset, int32_t saturationChange) {
    Palette p = base;
    for (Rgb* colour : {&p.window, &p.panel, &p.buttonFace, &p.buttonHot, &p.buttonPressed, &p.buttonBorder, &p.text,
                        &p.disabledText, &p.accent, &p.accentText, &p.menu})
        *colour = ShiftColour(*colour, hueOffset, saturationChange);
    return p;
}

}  // namespace orbilux::ui
