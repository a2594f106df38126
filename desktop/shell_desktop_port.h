// The shape engine's DesktopPort on the desktop list view: the count and the
// placements go through the same sessions as the layout store's saves and
// restores, and every placement through MoveIcons.
#pragma once

#include "desktop/desktop_session.h"
#include "engine/desktop_port.h"
#include "platform/user_notifier.h"

namespace orbilux {

class ShellDesktopPort : public DesktopPort {
public:
    ShellDesktopPort(DesktopAccess& access, UserNotifier& notifier) : access_(access), notifier_(notifier) {}

    // 0, after telling the user, when there is no desktop list view; 0 when
    // it belongs to no process. Opens no memory block in the shell.
    int32_t DesktopItemCount() override;
    // Moves the items to targets given in screen coordinates (the engine
    // lays shapes out in the work area), converted through where the list
    // view is on the screen now. Moves the items with auto-arrange off for the first one only (it is
    // put back after every move) and painting off for the whole list.
    // Without a list view the user is told and nothing moves.
    void ApplyIconTargets(const IconTargets& targets) override;

private:
    DesktopAccess& access_;
    UserNotifier& notifier_;
};

}  // namespace orbilux
