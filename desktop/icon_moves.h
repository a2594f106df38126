// Moving desktop icons: the one sequence that every placement of a shape
// and every restore of a layout goes through.
//
// The list view repaints after every single move, which makes the cost per
// icon grow with the number of icons; so painting is switched off for the
// moves and the list view painted once at the end. With auto-arrange on the
// list view would put the moved icons back in its grid, so auto-arrange is
// off while they move. Both are put back on every way out, a failure or a
// shell that stopped answering included: a desktop left unpainted, or with
// the user's auto-arrange setting lost, is worse than any failed placement.
#pragma once

#include "desktop/desktop_session.h"
#include "engine/shape_types.h"

namespace orbilux {

// When auto-arrange gets its starting value back.
enum class AutoArrangeBack {
    // After every single move (only the first icon moves with auto-arrange
    // off), as the shape engine's placements have always done.
    AfterEveryMove,
    // Once, after the last move (restoring a layout).
    AtTheEnd,
};

// Moves each named item to its target, in list order. Painting is left
// alone for an empty list. Throws what the session throws, after putting
// painting and auto-arrange back as far as the shell lets it.
void MoveIcons(DesktopSession& session, const IconTargets& targets, AutoArrangeBack when);

}  // namespace orbilux
