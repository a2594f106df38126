// Making the moves last: at the end of every action that moved icons, the
// positions the icons now have in the list view are committed into the
// shell's own icon model in one batch, then read back.
//
// The list view names its items by index, the shell's model by item ids, so
// the two are paired by the icons' names; icons of the same name pair up in
// order, as the layout store's matching does. Nothing here ever fails the
// action: a shell view that can't be reached, or that fails on the way,
// leaves the list-view moves as they are and says so in the outcome.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "desktop/desktop_session.h"
#include "desktop/icon_actions.h"
#include "desktop/shell_icon_model.h"

namespace orbilux {

struct ShellCommitOutcome {
    bool available = false;   // the shell view was reached and took the positions
    int32_t committed = 0;    // icons whose positions were handed to the model
    int32_t notPaired = 0;    // icons no model item could be paired with (left alone)
    int32_t notWherePut = 0;  // committed icons that the model reads back elsewhere
};

// For every list-view text, the model item it pairs with: the next unpaired
// model item of the same name, in the model's order. A list-view text is cut
// at 254 characters, so a longer model name is compared by its first 254.
std::vector<std::optional<std::size_t>> PairItemsByName(const std::vector<std::wstring>& listTexts,
                                                        const std::vector<std::wstring>& modelNames);

// Commits the items (in list-view order, with the positions they have now)
// into the view, whose items bear `modelNames`, in one batch and reads the
// positions back, counting into `outcome` as it goes. Throws what the view
// throws.
void CommitToShellView(ShellIconView& view, const std::vector<std::wstring>& modelNames,
                       const std::vector<DesktopItem>& items, ShellCommitOutcome& outcome);

// The view's folder flags; nullopt when the view can't be reached.
std::optional<ShellFolderFlags> ReadShellFolderFlags(ShellIconModel& model);

// The observer that commits at the end of every action: it reads the list
// view afresh (names and positions) and commits what it finds.
class ShellModelCommit : public IconActionObserver {
public:
    ShellModelCommit(DesktopAccess& desktop, ShellIconModel& model) : desktop_(desktop), model_(model) {}

    void iconsAboutToMove(IconActionKind) override {}
    void iconsMoved(IconActionKind) override { commitNow(); }

    // Commits the list view's positions now; never throws.
    ShellCommitOutcome commitNow();
    // What the last commit did (all zero before the first).
    const ShellCommitOutcome& lastOutcome() const { return last_; }
    int commitsTried() const { return tried_; }

private:
    DesktopAccess& desktop_;
    ShellIconModel& model_;
    ShellCommitOutcome last_;
    int tried_ = 0;
};

}  // namespace orbilux
