// A scroll bar's state as the shape page relies on it: a range, a position
// that always lies in it, an enabled state and a quiet flag. Any change of
// the position (set from code, or clamped by a range change) runs the
// change handler unless the flag is set, and enables the bar; that is why
// the page sets the flag around every change it makes itself. The Win32
// scroll bars only mirror this state.
#pragma once

#include <cstdint>
#include <functional>

namespace orbilux::ui {

struct ScrollBarState {
    int32_t min = 0;
    int32_t max = 100;
    int32_t position = 0;
    bool enabled = true;
};

class ScrollBarModel {
public:
    using Listener = std::function<void()>;

    ScrollBarModel(int32_t min, int32_t max, int32_t position, bool enabled);

    const ScrollBarState& state() const { return state_; }
    int32_t position() const { return state_.position; }
    int32_t min() const { return state_.min; }
    int32_t max() const { return state_.max; }
    bool enabled() const { return state_.enabled; }

    // A range end that passes the other one takes it along, so the range
    // is never empty.
    void setMin(int32_t min);
    void setMax(int32_t max);
    void setPosition(int32_t position);
    void setEnabled(bool enabled);

    bool quiet = false;

    // The change handler (runs unless quiet) and the view's mirror (runs
    // after every change of the state, quiet or not).
    void onChange(Listener listener) { change_ = std::move(listener); }
    void onStateChanged(Listener listener) { mirror_ = std::move(listener); }

private:
    void moveTo(int32_t position);
    void mirror() const {
        if (mirror_) mirror_();
    }

    ScrollBarState state_;
    Listener change_;
    Listener mirror_;
};

}  // namespace orbilux::ui
