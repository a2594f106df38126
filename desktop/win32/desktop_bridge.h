// The desktop bridge's building blocks: the messages to the shell's desktop
// list view, and the item queries through the remote block. The sessions of
// win32_desktop.h put them together; nothing else talks to the list view.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>

#include "desktop/desktop_session.h"
#include "desktop/win32/remote_buffer.h"

namespace orbilux::win32 {

// Where the item record and its text live in the remote block: the record
// at the start, the text right after it. Positions are read into the text
// area too.
constexpr std::size_t ItemRecordOffset = 0;
constexpr std::size_t ItemTextOffset = sizeof(LVITEMW);
// 254 characters and the terminating NUL.
constexpr int ItemTextCapacity = 255;
static_assert(ItemTextOffset + ItemTextCapacity * sizeof(wchar_t) <= RemoteBufferSize, "block too small");

// Writes the item record the text queries use into the block: all zero but
// the text pointer (the text area) and its capacity. Written once for a
// whole run of queries; the list view doesn't change it.
void PrepareItemQuery(HWND listView, RemoteBuffer& buffer);

// One item's text (cut at 254 characters) and position.
DesktopItem QueryDesktopItem(HWND listView, RemoteBuffer& buffer, int32_t index);

// Sends one position message; x and y travel as their low 16 bits.
void SetItemPosition(HWND listView, int32_t index, int32_t x, int32_t y);

// What a message does when the shell is known not to be answering (it has
// not looked at its messages for a few seconds).
enum class IfHung {
    GiveUp,  // fail at once, without leaving the message behind
    Wait,    // leave the message queued and wait as for any other
};

// Sends a message to the list view and returns its result. Fails with a
// Win32Error instead of hanging when the shell doesn't answer within 10 s;
// a message that timed out is still handled whenever the shell gets to it.
LRESULT SendToListView(HWND listView, UINT message, WPARAM wParam, LPARAM lParam, IfHung ifHung = IfHung::GiveUp);

}  // namespace orbilux::win32
