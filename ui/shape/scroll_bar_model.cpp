#include "ui/shape/scroll_bar_model.h"

#include <algorithm>

namespace orbilux::ui {

ScrollBarModel::ScrollBarModel(int32_t min, int32_t max, int32_t position, bool enabled) {
    state_.min = min;
    state_.max = std::max(min, max);
    state_.position = std::clamp(position, state_.min, state_.max);
    state_.enabled = enabled;
}

void ScrollBarModel::setMin(int32_t min) {
    state_.min = min;
    state_.max = std::max(state_.max, min);
    moveTo(state_.position);
    mirror();
}

void ScrollBarModel::setMax(int32_t max) {
    state_.max = max;
    state_.min = std::min(state_.min, max);
    moveTo(state_.position);
    mirror();
}

void ScrollBarModel::setPosition(int32_t position) {
    moveTo(position);
    mirror();
}

void ScrollBarModel::setEnabled(bool enabled) {
    state_.enabled = enabled;
    mirror();
}

void ScrollBarModel::moveTo(int32_t position) {
    position = std::clamp(position, state_.min, state_.max);
    if (position == state_.position) return;
    state_.position = position;
    state_.enabled = true;
    if (!quiet && change_) change_();
}

}  // namespace orbilux::ui
