// The seam around every action of the program that moves the desktop's
// icons: a shape laid out, an adjustment of the loaded shape (from the press
// of a button to its release, from a scroll bar's first change to the end of
// its scroll), a saved layout restored, orbiluxctl's arrange and restore.
// The action's code says when it starts and ends; what must happen around
// it (the shell-model commit that makes the moves last, keeping the place
// the icons had before, ...) is an observer that the composition root adds.
//
// Observers run in the order they were added and must not throw: what they
// do is a bonus on top of the action, and its failure never fails the action.
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace orbilux {

enum class IconActionKind {
    ShapeLoad,    // a shape laid out anew, its icons moving
    ShapeAdjust,  // the loaded shape resized, moved, re-spaced or fitted
    Restore,      // a saved layout put back
    Arrange,      // orbiluxctl arrange
    Undo,         // "Undo last change": the positions before the last action put back
};

class IconActionObserver {
public:
    virtual ~IconActionObserver() = default;
    // Before the action's first icon moves.
    virtual void iconsAboutToMove(IconActionKind kind) = 0;
    // After its last icon moved, or after it failed part of the way.
    virtual void iconsMoved(IconActionKind kind) = 0;
};

class IconActions {
public:
    // `desktopInReach` says whether the desktop may still be reached: once
    // the program is ending (its desktop gone, a quit requested) an action's
    // start and end tell no one, since what the observers do reaches the
    // desktop too.
    explicit IconActions(std::function<bool()> desktopInReach = [] { return true; })
        : desktopInReach_(std::move(desktopInReach)) {}

    void addObserver(IconActionObserver& observer) { observers_.push_back(&observer); }

    // Starts an action. While one is under way a further begin is part of
    // it (a scroll bar's changes until its scroll ends) and tells no one.
    void begin(IconActionKind kind);
    // Ends the action under way; nothing when there is none.
    void end();
    bool underWay() const { return current_.has_value(); }

private:
    std::function<bool()> desktopInReach_;
    std::vector<IconActionObserver*> observers_;
    std::optional<IconActionKind> current_;
};

// One action for the length of a scope: begun at construction, ended when
// the scope is left, by an exception too.
class ScopedIconAction {
public:
    ScopedIconAction(IconActions& actions, IconActionKind kind) : actions_(actions) { actions_.begin(kind); }
    ~ScopedIconAction() { actions_.end(); }
    ScopedIconAction(const ScopedIconAction&) = delete;
    ScopedIconAction& operator=(const ScopedIconAction&) = delete;

private:
    IconActions& actions_;
};

}  // namespace orbilux
