// "Undo last change": the positions the icons had before the program last
// moved them, kept as one saved layout described "Before the last change".
// There is only ever one such layout; every action that moves icons
// replaces it, under the same id. Adjusting a loaded shape doesn't: the
// positions before its load are the ones worth going back to.
//
// An observer of the actions seam: the positions are read just before an
// action moves anything and written once it is over. So an action that
// restores this very layout (undo, or a restore of it from the page or a
// menu) first reads what it holds and only then has it replaced by the
// positions it moved the icons from: a second undo is a redo.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "desktop/icon_actions.h"
#include "desktop/layout_store.h"

namespace orbilux {

class UndoSnapshot : public IconActionObserver {
public:
    explicit UndoSnapshot(LayoutStore& store);

    // The id of the layout described "Before the last change" (the first
    // listed, should there be more); empty when there is none.
    std::wstring snapshotId();
    bool available() { return !snapshotId().empty(); }

    // IconActionObserver. Reading the desktop fails quietly (the action
    // itself tells the user about a missing desktop) and keeps the snapshot
    // there was; so does any error on the way, which never reaches the action.
    void iconsAboutToMove(IconActionKind kind) override;
    void iconsMoved(IconActionKind kind) override;

    // Puts the icons back where the snapshot has them, as an Undo action of
    // `actions` (which this snapshot must observe, so that the positions it
    // moves the icons from become the snapshot). NoSuchLayout when there is
    // none.
    LayoutOutcome undo(IconActions& actions);

    // Called after the snapshot was written (to enable "Undo last change").
    void setChangedListener(std::function<void()> listener) { changed_ = std::move(listener); }

private:
    LayoutStore& store_;
    bool captured_ = false;
    std::vector<DesktopItem> before_;
    std::function<void()> changed_;
};

}  // namespace orbilux
