// What the shape page's presenter tells its controls: the group box, the
// shape list, the caption panel, the three bars and the eight adjustment
// buttons, and the repeat timer of the held button.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/shape/scroll_bar_model.h"

namespace orbilux::ui {

enum class ShapeBar { Width, Height, Gap };

class ShapePageView {
public:
    virtual ~ShapePageView() = default;

    virtual void setGroups(const std::vector<std::wstring>& items) = 0;
    virtual void selectGroup(int index) = 0;  // -1: no item selected
    virtual void setShapeLines(const std::vector<std::wstring>& lines) = 0;
    virtual void selectShapeLine(int index) = 0;

    // The caption panel above the adjustment controls.
    virtual void setCaption(const std::wstring& caption) = 0;
    virtual void setCaptionEnabled(bool enabled) = 0;

    virtual void showBar(ShapeBar bar, const ScrollBarState& state) = 0;
    // The four move buttons, the centre button, the two size buttons and fit.
    virtual void setAdjustButtonsEnabled(bool enabled) = 0;

    // The held button's repeat: ticks every `intervalMs` until stopped.
    virtual void startRepeatTimer(int intervalMs) = 0;
    virtual void stopRepeatTimer() = 0;

    // The hint a control shows while the pointer rests on it (by its id in
    // ui/control_ids.h).
    virtual void setHint(uint16_t controlId, const std::wstring& hint) = 0;
};

}  // namespace orbilux::ui
