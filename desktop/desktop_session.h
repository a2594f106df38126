// What the core needs of the shell's desktop list view, as a port: one
// session per operation (a count, a save, a restore, one placement), holding
// the list view and, for anything beyond the count, the shell's process and
// the memory block for the whole operation. The Win32 adapter drives the
// shell's real list view; tests use an in-memory desktop.
//
// Every call that reaches the shell gives up after a bounded wait when the
// shell stops answering, and throws as the failed message does.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "desktop/desktop_messages.h"
#include "desktop/screen_coordinates.h"
#include "platform/user_notifier.h"

namespace orbilux {

struct DesktopItem {
    std::wstring text;  // at most 254 characters: longer names come back cut
    int32_t x = 0;
    int32_t y = 0;
};

class DesktopSession {
public:
    virtual ~DesktopSession() = default;
    // The number of items now.
    virtual int32_t itemCount() = 0;
    // One item's text and position. Throws when the shell's memory can't be
    // read or written (it restarted, access was denied).
    virtual DesktopItem queryItem(int32_t index) = 0;
    // One position message; an index beyond the last item has no effect.
    virtual void setItemPosition(int32_t index, int32_t x, int32_t y) = 0;
    // Whether the list view arranges its icons itself, as they are now.
    virtual bool autoArrange() = 0;
    virtual void setAutoArrange(bool on) = 0;
    // Whether the list view repaints after every change. Switching it back
    // on reaches the list view even when the shell answers late, after an
    // earlier switch off that it had not handled yet.
    virtual void setPainting(bool on) = 0;
    // Has the whole list view painted anew, without waiting for it.
    virtual void repaint() = 0;
    // Where the list view's (0, 0) stands on the screen now (its window's
    // top-left corner): (0, 0) on one monitor, negative with a monitor left
    // of or above the primary one.
    virtual ListViewOrigin listViewOrigin() = 0;
    // Whether the list view still exists: a shell that went away during a
    // run of queries leaves answers that can't be trusted.
    virtual bool stillThere() = 0;
};

enum class DesktopOpenResult {
    Opened,
    NoListView,  // no desktop list view was found
    NoProcess,   // the list view's owning process id is 0
};

// What a session is opened for: counting needs only the list view;
// reading and moving items also need the shell's process and the block.
enum class DesktopUse {
    CountOnly,
    ItemsAndPositions,
};

class DesktopAccess {
public:
    virtual ~DesktopAccess() = default;
    // Finds the list view afresh and opens a session on it. Returns nullptr
    // and says why when there is nothing to open; throws the OS error when
    // the process can't be opened or the block can't be committed.
    virtual std::unique_ptr<DesktopSession> open(DesktopOpenResult& result, DesktopUse use) = 0;
};

// Opens a session for an operation that needs the desktop; without a
// desktop list view the user is told to restart Windows (in the count's
// words or in those of every other operation) and a quit is requested.
// `result` says why there is no session.
inline std::unique_ptr<DesktopSession> OpenDesktopOrTellUser(DesktopAccess& access, UserNotifier& notifier,
                                                             DesktopUse use, DesktopOpenResult& result) {
    std::unique_ptr<DesktopSession> session = access.open(result, use);
    if (!session && result == DesktopOpenResult::NoListView) {
        notifier.showMessage(use == DesktopUse::CountOnly ? NoDesktopCountMessage : NoDesktopMessage);
        notifier.requestQuit();
    }
    return session;
}

}  // namespace orbilux
