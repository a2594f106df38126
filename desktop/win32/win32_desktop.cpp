#include "desktop/win32/win32_desktop.h"

#include "desktop/win32/desktop_bridge.h"
#include "desktop/win32/list_view_finder.h"

namespace orbilux::win32 {

int32_t Win32DesktopPort::DesktopItemCount() { return win32::DesktopItemCount(notifier_); }

void Win32DesktopPort::ApplyIconTargets(const IconTargets& targets) { win32::ApplyIconTargets(notifier_, targets); }

namespace {

class Win32DesktopSession : public DesktopSession {
public:
    Win32DesktopSession(HWND listView, RemoteBuffer buffer) : listView_(listView), buffer_(std::move(buffer)) {
        PrepareItemQuery(listView_, buffer_);
    }
    ~Win32DesktopSession() override {
        try {
            buffer_.CloseRemoteBuffer();
        } catch (...) {
            // The shell went away with the block; nothing is left to release.
        }
    }

    int32_t itemCount() override { return static_cast<int32_t>(SendToListView(listView_, LVM_GETITEMCOUNT, 0, 0)); }
    DesktopItem queryItem(int32_t index) override { return QueryDesktopItem(listView_, buffer_, index); }
    void setItemPosition(int32_t index, int32_t x, int32_t y) override { SetItemPosition(listView_, index, x, y); }
    uint32_t style() override { return static_cast<uint32_t>(GetWindowLongW(listView_, GWL_STYLE)); }
    void setStyle(uint32_t style) override { SetWindowLongW(listView_, GWL_STYLE, static_cast<LONG>(style)); }
    bool stillThere() override {
        DWORD exitCode = 0;
        return IsWindow(listView_) && GetExitCodeProcess(buffer_.process(), &exitCode) && exitCode == STILL_ACTIVE;
    }

private:
    HWND listView_;
    RemoteBuffer buffer_;
};

}  // namespace

std::unique_ptr<DesktopSession> Win32DesktopAccess::open(DesktopOpenResult& result) {
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
    auto session = std::make_unique<Win32DesktopSession>(listView, RemoteBuffer::OpenRemoteBuffer(processId));
    result = DesktopOpenResult::Opened;
    return session;
}

}  // namespace orbilux::win32
