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

class Win32DesktopSession : public DesktopSession {
public:
    Win32DesktopSession(HWND listView, std::optional<RemoteBuffer> buffer)
        : listView_(listView), buffer_(std::move(buffer)) {}
    ~Win32DesktopSession() override {
        try {
            if (buffer_) buffer_->CloseRemoteBuffer();
        } catch (...) {
            // The shell went away with the block; nothing is left to release.
        }
    }

    int32_t itemCount() override { return static_cast<int32_t>(SendToListView(listView_, LVM_GETITEMCOUNT, 0, 0)); }

    DesktopItem queryItem(int32_t index) override {
        if (!buffer_) throw std::logic_error("a session opened for the count reads no items");
        if (!queryPrepared_) {
            PrepareItemQuery(listView_, *buffer_);
            queryPrepared_ = true;
        }
        return QueryDesktopItem(listView_, *buffer_, index);
    }

    void setItemPosition(int32_t index, int32_t x, int32_t y) override { SetItemPosition(listView_, index, x, y); }

    bool autoArrange() override { return (GetWindowLongW(listView_, GWL_STYLE) & LVS_AUTOARRANGE) != 0; }

    void setAutoArrange(bool on) override {
        // A style write to another process's window waits, with no time
        // limit, until that window has handled the style change: a shell
        // that stopped answering would hold us for as long as it hangs. A
        // timed message just before gives up on such a shell instead.
        SendToListView(listView_, WM_NULL, 0, 0);
        const LONG style = GetWindowLongW(listView_, GWL_STYLE);
        SetWindowLongW(listView_, GWL_STYLE, on ? style | LVS_AUTOARRANGE : style & ~LVS_AUTOARRANGE);
    }

    void setPainting(bool on) override {
        // Switching back on waits for a shell that is late rather than
        // giving up at once: the message then still arrives after any
        // switch off the shell has not handled yet, so the list view never
        // ends with its painting off.
        SendToListView(listView_, WM_SETREDRAW, on ? TRUE : FALSE, 0, on ? IfHung::Wait : IfHung::GiveUp);
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
    bool queryPrepared_ = false;
};

}  // namespace

std::unique_ptr<DesktopSession> Win32DesktopAccess::open(DesktopOpenResult& result, DesktopUse use) {
    const HWND listView = FindDesktopListView();
    if (!listView) {
        result = DesktopOpenResult::NoListView;
        return nullptr;
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
    auto session = std::make_unique<Win32DesktopSession>(listView, std::move(buffer));
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
