#include "desktop/icon_actions.h"

namespace orbilux {

void IconActions::begin(IconActionKind kind) {
    if (current_) return;
    current_ = kind;
    for (IconActionObserver* observer : observers_) observer->iconsAboutToMove(kind);
}

void IconActions::end() {
    if (!current_) return;
    const IconActionKind kind = *current_;
    current_.reset();
    for (IconActionObserver* observer : observers_) observer->iconsMoved(kind);
}

}  // namespace orbilux
