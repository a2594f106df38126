// The shape page's adjustment controls: the seven buttons that repeat while
// held, the three bars, fit, and the peek button. Every adjustment changes
// the frame and places the loaded shape again; nothing is coalesced, and the
// shape file is never read here.
#include <cmath>

#include "ui/scope_exit.h"
#include "ui/shape/shape_page_presenter.h"

namespace orbilux::ui {

namespace {

// The sign a button moves or grows by.
int Direction(RepeatButton button) {
    switch (button) {
        case RepeatButton::IncreaseSize:
        case RepeatButton::MoveRight:
        case RepeatButton::MoveDown:
            return 1;
        case RepeatButton::Centre:
            return 0;
        default:
            return -1;
    }
}

// Round(tag * 10 * WAW / WAH) in floating point, halves to the even
// neighbour (the default rounding mode).
int32_t WidthStep(int direction, int32_t areaWidth, int32_t areaHeight) {
    if (areaHeight == 0) return 0;
    const double step = double(direction) * SizeStep * double(areaWidth) / double(areaHeight);
    return static_cast<int32_t>(std::nearbyint(step));
}

}  // namespace

void ShapePagePresenter::setBlending(bool on) {
    if (ports_.options.AutoBlend) ports_.layer.setBlending(on);
}

void ShapePagePresenter::onRepeatPressed(RepeatButton button) {
    repeatSource_ = button;
    // One action from the press to the release: what follows a move (the
    // shell's own record of the positions) happens once, not every tick.
    ports_.actions.begin(IconActionKind::ShapeAdjust);
    setBlending(true);
    ports_.view.startRepeatTimer(RepeatIntervalMs);
    onRepeatTick();
}

void ShapePagePresenter::onRepeatReleased() {
    ports_.view.stopRepeatTimer();
    repeatSource_.reset();
    setBlending(false);
    ports_.actions.end();
}

void ShapePagePresenter::releaseHeldButton() {
    if (repeatSource_) onRepeatReleased();
}

void ShapePagePresenter::onRepeatTick() {
    if (!repeatSource_) return;
    // A tick inside the modal loop of the box a failed placement opened, or
    // after the quit request: the frame stays as it is.
    if (arranging_ || ports_.notifier.quitRequested()) {
        releaseHeldButton();
        return;
    }
    const RepeatButton source = *repeatSource_;
    const int direction = Direction(source);
    switch (source) {
        case RepeatButton::MoveLeft:
        case RepeatButton::MoveRight:
            sdx_ += direction * MoveStep;
            break;
        case RepeatButton::MoveUp:
        case RepeatButton::MoveDown:
            sdy_ += direction * MoveStep;
            break;
        case RepeatButton::Centre:
            sdx_ = 0;
            sdy_ = 0;
            break;
        case RepeatButton::IncreaseSize:
        case RepeatButton::DecreaseSize: {
            const Area a = area();
            setSizeBarsQuietly(width_.position() - WidthStep(direction, a.width, a.height),
                               height_.position() - direction * SizeStep);
            break;
        }
    }
    // Also when nothing changed (a size at its end, offsets already 0).
    PlaceCurrentShape();
}

void ShapePagePresenter::onScroll(ShapeBar which, ScrollRequest request, int32_t thumbPosition) {
    ScrollBarModel& b = mutableBar(which);
    // An arrow moves a size bar by 50 pixels and a click in its track by 1;
    // the gap bar moves by 1 either way.
    const int32_t line = which == ShapeBar::Gap ? 1 : 50;
    const int32_t page = 1;
    // A drag, a click or a key is one action that ends when the bar lets go.
    if (request == ScrollRequest::End) {
        ports_.actions.end();
        return;
    }
    if (request != ScrollRequest::Other) ports_.actions.begin(IconActionKind::ShapeAdjust);
    switch (request) {
        case ScrollRequest::LineBack:
            b.setPosition(b.position() - line);
            break;
        case ScrollRequest::LineForward:
            b.setPosition(b.position() + line);
            break;
        case ScrollRequest::PageBack:
            b.setPosition(b.position() - page);
            break;
        case ScrollRequest::PageForward:
            b.setPosition(b.position() + page);
            break;
        case ScrollRequest::Thumb:
            b.setPosition(thumbPosition);
            break;
        case ScrollRequest::ToMin:
            b.setPosition(b.min());
            break;
        case ScrollRequest::ToMax:
            b.setPosition(b.max());
            break;
        case ScrollRequest::End:
        case ScrollRequest::Other:
            break;
    }
}

void ShapePagePresenter::onBarPressed() {
    setBlending(true);
}

void ShapePagePresenter::onBarReleased() {
    setBlending(false);
}

void ShapePagePresenter::onFit() {
    ScopedIconAction action(ports_.actions, IconActionKind::ShapeAdjust);
    const Area a = area();
    sdx_ = 0;
    sdy_ = 0;
    setSizeBarsQuietly(width_.max() - a.width + a.width / 8, height_.max() - a.height + a.height / 8);
    PlaceCurrentShape();
}

bool ShapePagePresenter::refitToScreen() {
    if (!ports_.engine.HasShape()) return false;
    {
        // The new ranges may clamp the bars; the fit below is the one placement.
        height_.quiet = width_.quiet = true;
        const ScopeExit loud([this] { height_.quiet = width_.quiet = false; });
        setSizeBarRanges();
    }
    onFit();
    return true;
}

void ShapePagePresenter::onPeekEntered() {
    rememberedAlpha_ = ports_.layer.alpha();
    ports_.layer.setAlpha(PeekAlpha);
    ports_.layer.setBlending(true);
}

void ShapePagePresenter::onPeekLeft() {
    ports_.layer.setAlpha(rememberedAlpha_);
    ports_.layer.setBlending(false);
}

}  // namespace orbilux::ui
