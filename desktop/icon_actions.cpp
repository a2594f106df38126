#include "desktop/icon_actions.h"

namespace orbilux {

void IconActions::begin(IconActionKind kind) {
    if (current_ || !desktopInReach_()) return;
    current_ = kind;
    for (IconActionObserver* observer : observers_) observer->iconsAboutToMove(kind);
}

void IconActions::end() {
    if (!current_) return;
    const IconActionKind kind = *current_;
    current_.reset();
    if (!desktopInReach_()) return;
    for (IconActionObserver* observer : observers_) observer->iconsMoved(kind);
}

}  // namespace orbilux
