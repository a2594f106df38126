// "Undo last change": the positions the icons had before the program last
// moved them, kept as one saved layout described "Before the last change".
// There is only ever one such layout; every action that moves icons replaces
// it, under the same id.
//
// The positions are read just before an action moves anything and written
// once it is over, so an action that restores this very layout (undo, or a
// restore of it from the page or a menu) first reads what it holds and only
// then has it replaced by the positions it moved the icons from: a second
// undo is a redo.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "desktop/layout_store.h"

namespace orbilux {

inline constexpr const wchar_t* BeforeLastChangeDescription = L"Before the last change";

class UndoSnapshot {
public:
    explicit UndoSnapshot(LayoutStore& store);

    // The id of the layout described "Before the last change" (the first
    // listed, should there be more); empty when there is none.
    std::wstring snapshotId();
    bool available() { return !snapshotId().empty(); }

    // Around one action that moves icons: the first reads where the icons
    // stand now (nothing when the desktop can't be read: the action itself
    // will tell the user), the second keeps those positions as the snapshot.
    // Calls nest: only the outermost pair counts.
    void actionStarting();
    void actionFinished();

    // Puts the icons back where the snapshot has them, keeping the positions
    // they had as the snapshot. NoSuchLayout when there is none.
    LayoutOutcome undo();

    // Called after the snapshot was written (to enable "Undo last change").
    void setChangedListener(std::function<void()> listener) { changed_ = std::move(listener); }

private:
    LayoutStore& store_;
    int depth_ = 0;
    bool captured_ = false;
    std::vector<DesktopItem> before_;
    std::function<void()> changed_;
};

}  // namespace orbilux
