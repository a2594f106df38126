// The program's one skin: the base palette shifted by the hue offset and
// saturation change in force. Presenters call apply(); the Win32 painter
// listens, rebuilds its brushes and repaints every window of the program.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/skin/palette.h"

namespace orbilux::ui {

class Skin {
public:
    using Listener = std::function<void(const Palette&)>;

    explicit Skin(Palette base = BasePalette()) : base_(base), palette_(base) {}
    virtual ~Skin() = default;

    // Recolours the skin; listeners run even when the values are unchanged,
    // so a repaint can always be asked for.
    virtual void apply(int32_t hueOffset, int32_t saturationChange);

    int32_t hueOffset() const { return hue_; }
    int32_t saturationChange() const { return saturation_; }
    const Palette& palette() const { return palette_; }

    void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

private:
    Palette base_;
    Palette palette_;
    int32_t hue_ = 0;
    int32_t saturation_ = 0;
    std::vector<Listener> listeners_;
};

}  // namespace orbilux::ui
