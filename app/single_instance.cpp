#include "app/single_instance.h"

#include "ui/win32/main_window.h"

namespace orbilux::app {

namespace {

using win32::MainWindowClass;

// How long a second start keeps looking for the running copy's window
// (that copy may still be starting, e.g. saving the first layout) before
// it gives up and ends: never a second copy beside a running one.
constexpr DWORD HandOverTimeoutMs = 10000;
constexpr DWORD PollMs = 100;
// How long the restored window may take to show before it is brought to
// the front anyway.
constexpr DWORD RestoreTimeoutMs = 2000;

bool Restored(HWND window) {
    return IsWindowVisible(window) && !IsIconic(window);
}

}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, RunningCopyMutexName)) {
    // Without the mutex nothing can tell whether another copy runs: start
    // rather than refuse to (runs() is true).
    if (!mutex_ || take(0)) return;
    const ULONGLONG end = GetTickCount64() + HandOverTimeoutMs;
    do {
        if (const HWND window = FindWindowW(MainWindowClass, nullptr); window && BringForward(window)) return;
        // Waiting on the mutex rather than sleeping: when the running copy
        // ends meanwhile, this start becomes the running copy at once.
        if (take(PollMs)) return;
    } while (GetTickCount64() < end);
}

SingleInstance::~SingleInstance() {
    if (owned_) ReleaseMutex(mutex_.get());
}

bool SingleInstance::take(DWORD waitMs) {
    const DWORD result = WaitForSingleObject(mutex_.get(), waitMs);
    // Abandoned: the copy that held it ended without letting go (killed).
    owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    return owned_;
}

bool BringForward(HWND window) {
    if (!IsWindowVisible(window) && !IsIconic(window)) {
        // The start-up runs before the window is shown; a message box it
        // opened (the welcome, a question) is what the user must see.
        const HWND popup = GetLastActivePopup(window);
        if (popup == window || !IsWindowVisible(popup)) return false;
        SetForegroundWindow(popup);
        return true;
    }
    if (IsIconic(window)) {
        // Minimised, or tucked into the tray (minimised and hidden):
        // SW_RESTORE shows and restores it, and the window tells its
        // presenter as after a click on the tray icon. Asynchronous, so a
        // busy running copy can't hang this start.
        ShowWindowAsync(window, SW_RESTORE);
        const ULONGLONG end = GetTickCount64() + RestoreTimeoutMs;
        while (!Restored(window) && GetTickCount64() < end) Sleep(20);
    }
    // A dialog the running copy has open (the options, a question) stays
    // in front of its window.
    SetForegroundWindow(GetLastActivePopup(window));
    return true;
}

}  // namespace orbilux::app
