#include "desktop/icon_moves.h"

#include <exception>

namespace orbilux {

void MoveIcons(DesktopSession& session, const IconTargets& targets, AutoArrangeBack when) {
    const bool arranging = session.autoArrange();
    const bool painting = !targets.empty();
    // Between moves the last value written stands for the list view's own:
    // reading it back would cost a round trip per icon on some systems, and
    // writing a value it already has changes nothing.
    bool told = arranging;
    auto tellAutoArrange = [&](bool on) {
        if (on == told) return;
        session.setAutoArrange(on);
        told = on;
    };

    std::exception_ptr failure;
    try {
        if (painting) session.setPainting(false);
        tellAutoArrange(false);
        for (const IconTarget& target : targets) {
            session.setItemPosition(target.index, target.x, target.y);
            if (when == AutoArrangeBack::AfterEveryMove) tellAutoArrange(arranging);
        }
    } catch (...) {
        failure = std::current_exception();
    }

    // Painting goes back first: the switch on is delivered even to a shell
    // that answers late, and waiting for it gives such a shell the time to
    // catch up before auto-arrange is put back, which gives up at once on a
    // shell that is not answering. The first error is the one reported.
    auto keepFirst = [&failure] {
        if (!failure) failure = std::current_exception();
    };
    if (painting) {
        try {
            session.setPainting(true);
        } catch (...) {
            keepFirst();
        }
        session.repaint();
    }
    try {
        // Against the list view's real setting, so that it always ends as
        // the user had it.
        if (session.autoArrange() != arranging) session.setAutoArrange(arranging);
    } catch (...) {
        keepFirst();
    }
    if (failure) std::rethrow_exception(failure);
}

}  // namespace orbilux
