#include "ui/skin/skin.h"

namespace orbilux::ui {

void Skin::apply(int32_t hueOffset, int32_t saturationChange) {
    hue_ = hueOffset;
    saturation_ = saturationChange;
    palette_ = ShiftPalette(base_, hueOffset, saturationChange);
    for (const Listener& listener : listeners_) listener(palette_);
}

}  // namespace orbilux::ui
