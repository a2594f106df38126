#include "desktop/win32/win32_desktop.h"

#include <optional>
#include <stdexcept>

#include "desktop/win32/desktop_bridge.h"
#include "desktop/win32/list_view_finder.h"
#include "platform/win32/win32_error.h"

namespace orbilux::win32 {

namespace {

// Invalidates the list view and everything in it; the shell paints it when
// it gets to it, so this never waits for the shell.
void InvalidateListView(HWND listView) {
    RedrawWindow(listView, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

using PendingAutoArrange = Win32DesktopAccess::PendingAutoArrange;

// The style write waits, with no time limit, until the other process's
// window has handled the style change: a timed message just before gives up
// on a shell that stopped answering instead.
void WriteAutoArrange(HWND listView, bool on) {
    SendToListView(listView, WM_NULL, 0, 0);
    const LONG style = GetWindowLongW(listView, GWL_STYLE);
    SetWindowLongW(listView, GWL_STYLE, on ? style | LVS_AUTOARRANGE : style & ~LVS_AUTOARRANGE);
}

// Runs one exchange with the shell; a failure marks the session stalled.
template <typename Exchange>
auto Watched(bool& stalled, Exchange&& exchange) -> decltype(exchange()) {
    try {
        return exchange();
    } catch (...) {
        stalled = true;
        throw;
    }
}

// Once one message of a session has timed out, the action is given up and
// nothing more waits for the shell: one stall costs one timeout. Painting
// goes back on as a message the shell gets when it recovers; auto-arrange,
// which only a waiting style write can set, at once if the shell answers
// and otherwise at the next session.
class Win32DesktopSession : public DesktopSession {
public:
    Win32DesktopSession(HWND listView, std::optional<RemoteBuffer> buffer, std::optional<PendingAutoArrange>& pending)
        : listView_(listView), buffer_(std::move(buffer)), pending_(pending) {}
    ~Win32DesktopSession() override {
        try {
            if (buffer_) buffer_->CloseRemoteBuffer();
        } catch (...) {
            // The shell went away with the block; nothing is left to release.
        }
    }

    int32_t itemCount() override {
        return Watched(stalled_,
                       [&] { return static_cast<int32_t>(SendToListView(listView_, LVM_GETITEMCOUNT, 0, 0)); });
    }

    DesktopItem queryItem(int32_t index) override {
        if (!buffer_) throw std::logic_error("a session opened for the count reads no items");
        return Watched(stalled_, [&] {
            if (!queryPrepared_) {
                PrepareItemQuery(listView_, *buffer_);
                queryPrepared_ = true;
            }
            return QueryDesktopItem(listView_, *buffer_, index);
        });
    }

    void setItemPosition(int32_t index, int32_t x, int32_t y) override {
        Watched(stalled_, [&] {
            SetItemPosition(listView_, index, x, y);
            return 0;
        });
    }

    bool autoArrange() override { return (GetWindowLongW(listView_, GWL_STYLE) & LVS_AUTOARRANGE) != 0; }

    void setAutoArrange(bool on) override {
        try {
            // After a stall the timed message gives up at once: the shell
            // counts as hung by then.
            WriteAutoArrange(listView_, on);
        } catch (...) {
            // Only ever switched off for a while: a switch on that didn't
            // happen is the user's own setting still to give back.
            if (on) pending_ = PendingAutoArrange{listView_, true};
            stalled_ = true;
            throw;
        }
    }

    void setPainting(bool on) override {
        if (on && stalled_) {
            // Queued behind the messages the shell has not handled yet, so
            // it arrives after any switch off, without waiting for it.
            SendNotifyMessageW(listView_, WM_SETREDRAW, TRUE, 0);
            return;
        }
        // Switching back on waits for a shell that is late rather than
        // giving up at once: the message then still arrives after any
        // switch off the shell has not handled yet, so the list view never
        // ends with its painting off.
        Watched(stalled_, [&] {
            return SendToListView(listView_, WM_SETREDRAW, on ? TRUE : FALSE, 0, on ? IfHung::Wait : IfHung::GiveUp);
        });
    }

    void repaint() override { InvalidateListView(listView_); }

    ListViewOrigin listViewOrigin() override {
        RECT rect{};
        if (!GetWindowRect(listView_, &rect)) ThrowLastError("the desktop's place on the screen can't be read");
        return ListViewOrigin{rect.left, rect.top};
    }

    bool stillThere() override {
        if (!IsWindow(listView_)) return false;
        DWORD exitCode = 0;
        return !buffer_ || (GetExitCodeProcess(buffer_->process(), &exitCode) && exitCode == STILL_ACTIVE);
    }

private:
    HWND listView_;
    std::optional<RemoteBuffer> buffer_;
    std::optional<PendingAutoArrange>& pending_;
    bool queryPrepared_ = false;
    bool stalled_ = false;
};

}  // namespace

std::unique_ptr<DesktopSession> Win32DesktopAccess::open(DesktopOpenResult& result, DesktopUse use) {
    const HWND listView = FindDesktopListView();
    if (!listView) {
        result = DesktopOpenResult::NoListView;
        return nullptr;
    }
    if (pending_) {
        // A setting left behind by a shell that stalled goes back first, so
        // that this session reads the user's own.
        const PendingAutoArrange pending = *pending_;
        pending_.reset();
        if (pending.listView == listView) {
            try {
                WriteAutoArrange(listView, pending.on);
            } catch (const std::exception&) {
                pending_ = pending;  // still not answering
            }
        }
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(listView, &processId);
    if (processId == 0) {
        result = DesktopOpenResult::NoProcess;
        return nullptr;
    }
    // Moving icons doesn't use the block (positions travel in the message
    // itself); opening it still proves the shell's process can be reached.
    std::optional<RemoteBuffer> buffer;
    if (use == DesktopUse::ItemsAndPositions) buffer.emplace(RemoteBuffer::OpenRemoteBuffer(processId));
    auto session = std::make_unique<Win32DesktopSession>(listView, std::move(buffer), pending_);
    result = DesktopOpenResult::Opened;
    return session;
}

void SwitchDesktopPaintingOn() {
    const HWND listView = FindDesktopListView();
    if (!listView) return;
    try {
        // A shell that doesn't answer in time still gets the message when
        // it recovers.
        SendToListView(listView, WM_SETREDRAW, TRUE, 0, IfHung::Wait);
    } catch (const std::exception&) {
    }
    InvalidateListView(listView);
}

}  // namespace orbilux::win32
