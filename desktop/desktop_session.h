// What the layout store needs of the desktop list view, as a port: one
// session per save or restore, holding the list view, the shell's process
// and the memory block for the whole operation. The Win32 adapter drives the
// shell's real list view; tests use an in-memory desktop.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "desktop/desktop_messages.h"
#include "platform/user_notifier.h"

namespace orbilux {

// The list view's auto-arrange style bit.
constexpr uint32_t AutoArrangeStyle = 0x100;

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
    virtual uint32_t style() = 0;
    virtual void setStyle(uint32_t style) = 0;
    // Whether the list view still exists: a shell that went away during a
    // run of queries leaves answers that can't be trusted.
    virtual bool stillThere() = 0;
};

enum class DesktopOpenResult {
    Opened,
    NoListView,  // no desktop list view was found
    NoProcess,   // the list view's owning process id is 0
};

class DesktopAccess {
public:
    virtual ~DesktopAccess() = default;
    // Finds the list view afresh and opens a session on it (the shell's
    // process opened, the block committed, the item query prepared). Returns
    // nullptr and says why when there is nothing to open; throws the OS error
    // when the process can't be opened or the block can't be committed.
    virtual std::unique_ptr<DesktopSession> open(DesktopOpenResult& result) = 0;
};

// Opens a session for an operation that needs the desktop; without a
// desktop list view the user is told to restart Windows and a quit is
// requested. `result` says why there is no session.
inline std::unique_ptr<DesktopSession> OpenDesktopOrTellUser(DesktopAccess& access, UserNotifier& notifier,
                                                             DesktopOpenResult& result) {
    std::unique_ptr<DesktopSession> session = access.open(result);
    if (!session && result == DesktopOpenResult::NoListView) {
        notifier.showMessage(NoDesktopMessage);
        notifier.requestQuit();
    }
    return session;
}

}  // namespace orbilux
