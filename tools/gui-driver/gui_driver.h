// Drives Orbilux.exe from outside, as a user's input would: finds its
// windows, controls and message boxes, and operates them with window
// messages (clicks, tray-icon callbacks, menu commands, minimise, close).
// Used by the Wine integration tests and, through orbilux-driver.exe, by
// the demo. Every wait has a timeout; nothing here sleeps longer than it
// must.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace orbilux::gui_driver {

// A program started for a test, ended (killed) when the object goes unless
// it ended by itself.
class AppProcess {
public:
    // Starts `commandLine` (the program's path quoted as needed).
    explicit AppProcess(const std::wstring& commandLine);
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const;
    // Waits for the process to end; false on a timeout.
    bool waitForExit(DWORD timeoutMs);
    DWORD exitCode() const;
    void kill();

private:
    win32::UniqueHandle process_;
    DWORD id_ = 0;
};

// The top-level windows of a process with that class (any class when null),
// visible or not.
std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* className = nullptr);

// Waits until the process has a top-level window of that class; nullptr on
// a timeout. With `visible`, the window must also be shown.
HWND WaitForWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs, bool visible = false);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
};

// Waits for a message box (a standard dialog with a text) of the process.
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Clicks the box's button (IDOK, IDYES, IDNO ...), as the user would.
void AnswerMessageBox(HWND box, int buttonId);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// The control with that id anywhere below `parent`; nullptr when none.
HWND FindControl(HWND parent, int id);
// The control with that text (as WM_GETTEXT gives it, "&" and all) anywhere
// below `parent`, for windows whose ids are not ours (a setup program's).
HWND FindControlByText(HWND parent, const std::wstring& text);
RECT WindowRect(HWND window);
RECT ClientRectOnScreen(HWND window);

// A click on a button (BM_CLICK, posted so that a dialog the click opens
// doesn't block the driver).
void Click(HWND button);
// The mouse's left button pressed and released on a control, with the
// pointer at its centre (posted).
void PressLeft(HWND control);
void ReleaseLeft(HWND control);
// A drop-down list's item chosen, as the user's pick would: the selection
// and the CBN_SELCHANGE its owner is told of. -1 when no item has the text.
int ChooseComboItem(HWND combo, const std::wstring& text);
// A click on a list box's line (pressed and released on it); false when
// no line has the text.
bool ClickListLine(HWND list, const std::wstring& text);
// A scroll bar's range and position as it shows them.
SCROLLINFO ScrollBarState(HWND bar);
// The thumb of a horizontal scroll bar dragged by `pixels` with the left
// button (press on the thumb, move, release).
void DragThumb(HWND bar, int pixels);
// The mouse's right button pressed and released on a control (posted).
void ClickRight(HWND control);
// Text typed into a control, one WM_CHAR per character (posted).
void Type(HWND control, const std::wstring& text);
// A key pressed on a control (posted WM_KEYDOWN and WM_KEYUP).
void PressKey(HWND control, UINT virtualKey);
// A report-style list view's rows, each its cells' texts, read through a
// block in the owning process as the desktop bridge reads the shell's.
std::vector<std::vector<std::wstring>> ListViewRows(HWND list, int columns);
// A click on a list view's row (the first row clicked, then the arrow
// keys down to it). Returns once the list has handled them.
void SelectListViewRow(HWND list, int row);
// A menu item (or any command) chosen in the main window.
void ChooseCommand(HWND window, int commandId);
// The tray icon's callback message with a mouse message, as the shell sends it.
void SendTrayCallback(HWND window, UINT callbackMessage, UINT iconId, UINT mouseMessage);
void Minimize(HWND window);
void Close(HWND window);

// Polls `condition` every 20 ms until it holds; false on a timeout.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(20);
    }
}

// Lets the window's thread finish what it was sent so far: returns once it
// has answered a message (false when it doesn't within the timeout). The
// answer can come before input posted to it earlier has been handled: a
// sent message goes ahead of posted ones.
bool WaitUntilIdle(HWND window, DWORD timeoutMs = 10000);

// The colour of one pixel of the screen as drawn now.
COLORREF ScreenPixel(POINT at);
// Saves that part of the screen as a PNG file.
bool SaveScreenshot(const std::wstring& path, const RECT& area);
// The whole screen.
RECT ScreenRect();

}  // namespace orbilux::gui_driver
