#include <gtest/gtest.h>

#include "ui/skin/palette.h"

namespace orbilux::ui {
namespace {

TEST(ShiftColour, NoTurnAndNoSaturationChangeGiveEveryColourBack) {
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 7) {
                const Rgb colour{uint8_t(r), uint8_t(g), uint8_t(b)};
                ASSERT_EQ(ShiftColour(colour, 0, 0), colour) << r << " " << g << " " << b;
                ASSERT_EQ(ShiftColour(colour, 360, 0), colour) << r << " " << g << " " << b;
            }
}

TEST(ShiftColour, KnownTurnsAndSaturations) {
    struct Case {
        Rgb colour;
        int hue, saturation;
        Rgb expected;
    };
    const Case cases[] = {
        {{255, 0, 0}, 120, 0, {0, 255, 0}},           // red turned a third is green
        {{255, 0, 0}, 240, 0, {0, 0, 255}},           // and two thirds blue
        {{0, 0, 255}, 180, 0, {255, 255, 0}},         // blue's opposite is yellow
        {{200, 100, 100}, 0, -100, {150, 150, 150}},  // grey of the same lightness
        {{150, 100, 100}, 0, 100, {175, 75, 75}},     // saturation doubled
        {{128, 128, 128}, 90, 100, {128, 128, 128}},  // greys stay grey
    };
    for (const Case& c : cases) {
        const Rgb shifted = ShiftColour(c.colour, c.hue, c.saturation);
        EXPECT_EQ(shifted, c.expected) << int(shifted.r) << " " << int(shifted.g) << " " << int(shifted.b);
    }
}

TEST(ShiftPalette, GreysAtSaturationMinusHundredExceptTheWarning) {
    const Palette grey = ShiftPalette(BasePalette(), 0, -100);
    for (const Rgb c : {grey.window, grey.panel, grey.buttonFace, grey.accent, grey.menu}) {
        EXPECT_EQ(c.r, c.g);
        EXPECT_EQ(c.g, c.b);
    }
    EXPECT_EQ(grey.warning, BasePalette().warning);
    EXPECT_NE(ShiftPalette(BasePalette(), 120, 0).window, BasePalette().window);
}

}  // namespace
}  // namespace orbilux::ui
