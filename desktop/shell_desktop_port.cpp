#include "desktop/shell_desktop_port.h"

#include "desktop/icon_moves.h"

namespace orbilux {

int32_t ShellDesktopPort::DesktopItemCount() {
    DesktopOpenResult result = DesktopOpenResult::Opened;
    const auto session = OpenDesktopOrTellUser(access_, notifier_, DesktopUse::CountOnly, result);
    return session ? session->itemCount() : 0;
}

void ShellDesktopPort::ApplyIconTargets(const IconTargets& targets) {
    DesktopOpenResult result = DesktopOpenResult::Opened;
    if (const auto session = OpenDesktopOrTellUser(access_, notifier_, DesktopUse::ItemsAndPositions, result))
        MoveIcons(*session, TargetsInListView(targets, session->listViewOrigin()), AutoArrangeBack::AfterEveryMove);
}

}  // namespace orbilux
