// One running copy of Orbilux.exe per user session. Two copies would drive
// the same desktop at once and each write its settings at exit, the last
// one winning; so a second start hands over to the running copy instead:
// it brings that copy's main window to the front (out of the tray when it
// is tucked away there) and ends.
//
// The running copy owns a named mutex in the session's namespace for its
// whole life (ownership, not mere existence: a copy that was killed leaves
// an abandoned mutex, which the next start simply takes). The window it
// hands over to is found by the main window's class.
#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace orbilux::app {

// The uninstaller opens the same name to refuse removing a running
// program; keep installer/orbilux.nsi in step when changing it.
inline constexpr const wchar_t* RunningCopyMutexName = L"Local\\Orbilux-RunningCopy";

class SingleInstance {
public:
    // Claims the session for this process, or hands over to the copy that
    // holds it. When that copy ends meanwhile, this one takes its place.
    SingleInstance();
    // Lets the next start run as soon as this copy is done.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Whether this process is the running copy and should go on to start.
    bool runs() const { return owned_ || !mutex_; }

private:
    bool take(DWORD waitMs);

    win32::UniqueHandle mutex_;
    bool owned_ = false;
};

// Brings the main window of the running copy to the front: restored when
// minimised or tucked into the tray, or the message box it is asking the
// user first. False while the window is not ready yet (created, not yet
// shown, nothing asked): its start-up is still running.
bool BringForward(HWND window);

}  // namespace orbilux::app
