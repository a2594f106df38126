// The desktop bridge: the only code that talks to the shell's desktop list
// view. Every operation finds the list view afresh and works with the handle
// found at that moment.
//
// When no list view exists the user is told to restart Windows and the
// program is asked to quit; the request takes effect later, so the caller's
// code runs on.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>

#include "desktop/desktop_messages.h"
#include "desktop/desktop_session.h"
#include "desktop/win32/remote_buffer.h"
#include "engine/shape_types.h"
#include "platform/user_notifier.h"

namespace orbilux::win32 {

// Where the item record and its text live in the remote block: the record
// at the start, the text right after it. Positions are read into the text
// area too.
constexpr std::size_t ItemRecordOffset = 0;
constexpr std::size_t ItemTextOffset = sizeof(LVITEMW);
// 254 characters and the terminating NUL.
constexpr int ItemTextCapacity = 255;
static_assert(ItemTextOffset + ItemTextCapacity * sizeof(wchar_t) <= RemoteBufferSize, "block too small");

// The number of desktop items; 0 (after telling the user) when there is no
// desktop list view, or when its process id is 0.
int32_t DesktopItemCount(UserNotifier& notifier);

// Writes the item record the text queries use into the block: all zero but
// the text pointer (the text area) and its capacity. Written once for a
// whole run of queries; the list view doesn't change it.
void PrepareItemQuery(HWND listView, RemoteBuffer& buffer);

// One item's text (cut at 254 characters) and position.
DesktopItem QueryDesktopItem(HWND listView, RemoteBuffer& buffer, int32_t index);

// Sends one position message; x and y travel as their low 16 bits.
void SetItemPosition(HWND listView, int32_t index, int32_t x, int32_t y);

// Moves every item named in the list to its target, in list order.
void ApplyIconTargets(UserNotifier& notifier, const IconTargets& targets);

// Sends a message to the list view and returns its result. Fails with a
// Win32Error instead of hanging when the shell stops responding.
LRESULT SendToListView(HWND listView, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace orbilux::win32
