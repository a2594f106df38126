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

void UndoSnapshot::actionStarting() {
    if (depth_++ > 0) return;
    captured_ = store_.ReadDesktopItems(before_, false) == LayoutStatus::Done;
}

void UndoSnapshot::actionFinished() {
    if (depth_ == 0 || --depth_ > 0) return;
    if (!captured_) return;
    captured_ = false;
    std::wstring id = snapshotId();
    if (id.empty()) id = store_.NewFreeLayoutId();
    if (id.empty()) return;
    store_.SaveItems(id, BeforeLastChangeDescription, before_);
    before_.clear();
    if (changed_) changed_();
}

LayoutOutcome UndoSnapshot::undo() {
    const std::wstring id = snapshotId();
    if (id.empty()) return {LayoutStatus::NoSuchLayout};
    actionStarting();
    LayoutOutcome outcome;
    try {
        outcome = store_.RestoreLayout(id);
    } catch (...) {
        actionFinished();
        throw;
    }
    actionFinished();
    return outcome;
}

}  // namespace orbilux
