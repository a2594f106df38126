#include "ui/screen/screen_change_presenter.h"

#include <exception>

#include "ui/scope_exit.h"

namespace orbilux::ui {

ScreenChangePresenter::ScreenState ScreenChangePresenter::readScreen() {
    return {ports_.screenSize.primaryScreenSize(), ports_.screen.workArea()};
}

int32_t ScreenChangePresenter::quietItemCount() {
    // While the shell restarts there may be no desktop for a moment, or one
    // that doesn't answer yet: that is one more reason to wait, not a reason
    // to tell the user or to give up waiting.
    try {
        DesktopOpenResult result = DesktopOpenResult::Opened;
        const auto session = ports_.desktop.open(result, DesktopUse::CountOnly);
        return session ? session->itemCount() : -1;
    } catch (const std::exception&) {
        return -1;
    }
}

void ScreenChangePresenter::startUp(const SettingsFile& file) {
    stable_ = readScreen();
    const ScreenSize savedOn{file.read(keys::ScreenWidth), file.read(keys::ScreenHeight)};
    const bool known = savedOn.width > 0 && savedOn.height > 0;
    if (known && (savedOn.width != stable_.size.width || savedOn.height != stable_.size.height)) {
        // The shell laid the icons out for this screen before we started.
        stable_.size = savedOn;
        onScreenChanged();
    }
    ports_.timers.startTimer(ProgramTimer::AutomaticLayoutCheck, AutomaticCheckMs);
}

void ScreenChangePresenter::shutDown(SettingsFile& file) {
    ports_.timers.stopTimer(ProgramTimer::AutomaticLayoutCheck);
    ports_.timers.stopTimer(ProgramTimer::ScreenSettle);
    if (!settling_) {
        try {
            refresh();
        } catch (const std::exception&) {
            // A shell that can't be read now must not cost the user the
            // window's state, which is written after this.
        }
    }
    // Mid-change, the size before the change is the one the icons (and the
    // last automatic layout) belong to.
    const ScreenSize size = settling_ ? stable_.size : ports_.screenSize.primaryScreenSize();
    file.write(keys::ScreenWidth, size.width);
    file.write(keys::ScreenHeight, size.height);
}

void ScreenChangePresenter::onDisplayChanged(ScreenSize reported) {
    if (reported.width > 0 && reported.height > 0) ports_.screenSize.displayChanged(reported);
    onScreenChanged();
}

void ScreenChangePresenter::onScreenChanged() {
    if (restoring_) return;
    settling_ = true;
    // Every change starts the wait anew.
    ports_.timers.startTimer(ProgramTimer::ScreenSettle, ScreenSettleMs);
    lastCount_ = quietItemCount();
}

void ScreenChangePresenter::onSettleTimer() {
    if (!settling_) {
        ports_.timers.stopTimer(ProgramTimer::ScreenSettle);
        return;
    }
    const int32_t count = quietItemCount();
    if (count < 0 || count != lastCount_) {
        lastCount_ = count;
        return;  // the timer ticks again
    }
    ports_.timers.stopTimer(ProgramTimer::ScreenSettle);
    settling_ = false;
    const ScreenState before = stable_;
    stable_ = readScreen();
    if (stable_ == before) return;  // changed back: the icons are where they were
    if (ports_.options.RestoreOnScreenChange) restoreFor(stable_.size);
}

void ScreenChangePresenter::restoreFor(ScreenSize size) {
    restoring_ = true;
    const ScopeExit done([this] { restoring_ = false; });
    // Either way the action's end refreshes the automatic layout of the new
    // size; with nothing to go back to, the icons stay as the shell put them.
    const std::wstring id = ports_.automatic.layoutFor(size);
    if (!id.empty()) {
        const ScopedIconAction action(ports_.actions, IconActionKind::Restore);
        ports_.layouts.RestoreLayout(id);
    } else {
        shape_->refitToScreen();
    }
}

void ScreenChangePresenter::onCheckTimer() {
    if (!settling_) refresh();
}

void ScreenChangePresenter::iconsMoved(IconActionKind /*kind*/) {
    if (settling_) return;
    try {
        refresh();
    } catch (const std::exception&) {
        // The action itself went through; the next check tries again.
    }
}

void ScreenChangePresenter::refresh() {
    ports_.automatic.refresh();
}

}  // namespace orbilux::ui
