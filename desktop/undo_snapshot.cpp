#include "desktop/undo_snapshot.h"

#include "desktop/layout_id.h"

namespace orbilux {

UndoSnapshot::UndoSnapshot(LayoutStore& store) : store_(store) {}

std::wstring UndoSnapshot::snapshotId() {
    for (const std::wstring& id : store_.ListLayoutIds()) {
        LayoutInfo info;
        if (store_.ReadLayoutInfo(id, info) && info.description == BeforeLastChangeDescription && IsUsableLayoutId(id))
            return id;
    }
    return std::wstring();
}

void UndoSnapshot::iconsAboutToMove(IconActionKind kind) {
    captured_ = false;
    before_.clear();
    if (kind == IconActionKind::ShapeAdjust) return;
    try {
        captured_ = store_.ReadDesktopItems(before_, false) == LayoutStatus::Done;
    } catch (...) {
        // The shell can't be read: the action will meet the same error.
    }
}

void UndoSnapshot::iconsMoved(IconActionKind) {
    if (!captured_) return;
    captured_ = false;
    try {
        std::wstring id = snapshotId();
        if (id.empty()) id = store_.NewFreeLayoutId();
        if (!id.empty()) store_.WriteLayout(id, BeforeLastChangeDescription, before_);
        before_.clear();
        if (changed_) changed_();
    } catch (...) {
        // A snapshot that can't be written leaves the one there was.
    }
}

LayoutOutcome UndoSnapshot::undo(IconActions& actions) {
    const std::wstring id = snapshotId();
    if (id.empty()) return {LayoutStatus::NoSuchLayout};
    ScopedIconAction action(actions, IconActionKind::Undo);
    return store_.RestoreLayout(id);
}

}  // namespace orbilux
