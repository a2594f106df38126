#include "desktop/win32/desktop_bridge.h"

#include <algorithm>
#include <array>

#include "platform/win32/win32_error.h"

namespace orbilux::win32 {

namespace {

// A shell that doesn't answer within this time is treated as gone.
constexpr UINT ShellTimeoutMs = 10000;

}  // namespace

LRESULT SendToListView(HWND listView, UINT message, WPARAM wParam, LPARAM lParam, IfHung ifHung) {
    const UINT flags = ifHung == IfHung::GiveUp ? SMTO_ABORTIFHUNG | SMTO_BLOCK : SMTO_BLOCK;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(listView, message, wParam, lParam, flags, ShellTimeoutMs, &result))
        ThrowLastError("the desktop did not answer");
    return static_cast<LRESULT>(result);
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
    // x in the low word, y in the high word, each cut to its low 16 bits
    // (negative values included).
    const auto low = static_cast<uint32_t>(x) & 0xFFFFu;
    const auto high = static_cast<uint32_t>(y) & 0xFFFFu;
    SendToListView(listView, LVM_SETITEMPOSITION, WPARAM(index), static_cast<LPARAM>(low | (high << 16)));
}

}  // namespace orbilux::win32
