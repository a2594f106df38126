#include "desktop/win32/desktop_bridge.h"

#include <algorithm>
#include <array>

#include "desktop/win32/list_view_finder.h"
#include "platform/win32/win32_error.h"

namespace orbilux::win32 {

namespace {

// A shell that doesn't answer within this time is treated as gone.
constexpr UINT ShellTimeoutMs = 10000;

DWORD OwningProcessId(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

// The 16-bit packing of a position message: x in the low word, y in the
// high word, each cut to its low 16 bits (negative values included).
LPARAM PackPosition(int32_t x, int32_t y) {
    const auto low = static_cast<uint32_t>(x) & 0xFFFFu;
    const auto high = static_cast<uint32_t>(y) & 0xFFFFu;
    return static_cast<LPARAM>(low | (high << 16));
}

LONG ReadStyle(HWND listView) { return GetWindowLongW(listView, GWL_STYLE); }
void WriteStyle(HWND listView, LONG style) { SetWindowLongW(listView, GWL_STYLE, style); }

}  // namespace

LRESULT SendToListView(HWND listView, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(listView, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, ShellTimeoutMs,
                             &result))
        ThrowLastError("the desktop did not answer");
    return static_cast<LRESULT>(result);
}

int32_t DesktopItemCount(UserNotifier& notifier) {
    const HWND listView = FindDesktopListView();
    if (!listView) {
        notifier.showMessage(NoDesktopCountMessage);
        notifier.requestQuit();
        return 0;
    }
    if (OwningProcessId(listView) == 0) return 0;
    return static_cast<int32_t>(SendToListView(listView, LVM_GETITEMCOUNT, 0, 0));
}

void PrepareItemQuery(HWND /*listView*/, RemoteBuffer& buffer) {
    LVITEMW record{};
    record.pszText = static_cast<LPWSTR>(buffer.at(ItemTextOffset));
    record.cchTextMax = ItemTextCapacity;
    buffer.WriteRemote(&record, buffer.at(ItemRecordOffset), sizeof record);
}

DesktopItem QueryDesktopItem(HWND listView, RemoteBuffer& buffer, int32_t index) {
    void* const textArea = buffer.at(ItemTextOffset);
    // The list view reports how many characters it copied; a reply beyond
    // the text area is not believed.
    const LRESULT copied = SendToListView(listView, LVM_GETITEMTEXTW, WPARAM(index),
                                          reinterpret_cast<LPARAM>(buffer.at(ItemRecordOffset)));
    const auto length = static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, ItemTextCapacity - 1));
    std::array<wchar_t, ItemTextCapacity + 1> text{};
    buffer.ReadRemote(textArea, text.data(), (length + 1) * sizeof(wchar_t));

    const int32_t zero[2] = {0, 0};
    buffer.WriteRemote(zero, textArea, sizeof zero);
    SendToListView(listView, LVM_GETITEMPOSITION, WPARAM(index), reinterpret_cast<LPARAM>(textArea));
    int32_t point[2] = {0, 0};
    buffer.ReadRemote(textArea, point, sizeof point);

    // The text ends at its NUL or at the reported length, whichever comes
    // first, so it is never longer than 254 characters.
    DesktopItem item;
    item.text.assign(text.data(), std::find(text.begin(), text.begin() + length, L'\0'));
    item.x = point[0];
    item.y = point[1];
    return item;
}

void SetItemPosition(HWND listView, int32_t index, int32_t x, int32_t y) {
    SendToListView(listView, LVM_SETITEMPOSITION, WPARAM(index), PackPosition(x, y));
}

void ApplyIconTargets(UserNotifier& notifier, const IconTargets& targets) {
    const HWND listView = FindDesktopListView();
    if (!listView) {
        notifier.showMessage(NoDesktopMessage);
        notifier.requestQuit();
        return;
    }
    const DWORD processId = OwningProcessId(listView);
    if (processId == 0) return;
    // The block isn't used for positions (they travel in the message itself);
    // opening it still proves the shell's process can be reached.
    RemoteBuffer buffer = RemoteBuffer::OpenRemoteBuffer(processId);

    // Auto-arrange is switched off for the first item and the starting style
    // written back after every item and once more at the end. Writing a
    // style the list view already has changes nothing, so such writes are
    // skipped: with auto-arrange off no style is written at all. Between
    // items the last style written stands for the window's own (reading it
    // back costs a round trip per item under some systems); the final write
    // compares with the window's real style, so the list view always ends
    // with the style it started with.
    const LONG style = ReadStyle(listView);
    LONG current = style;
    auto setStyle = [&](LONG wanted) {
        if (wanted == current) return;
        WriteStyle(listView, wanted);
        current = wanted;
    };
    auto restoreStyle = [&] {
        current = ReadStyle(listView);
        setStyle(style);
    };
    if (style & LVS_AUTOARRANGE) setStyle(style ^ LVS_AUTOARRANGE);
    try {
        for (const IconTarget& target : targets) {
            SetItemPosition(listView, target.index, target.x, target.y);
            setStyle(style);
        }
    } catch (...) {
        // A shell that stopped answering half-way must not be left with the
        // user's auto-arrange switched off.
        restoreStyle();
        throw;
    }
    restoreStyle();
    buffer.CloseRemoteBuffer();
}

}  // namespace orbilux::win32
