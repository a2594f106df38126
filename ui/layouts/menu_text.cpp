#include "ui/layouts/menu_text.h"

namespace orbilux::ui {

namespace {

bool IsControl(wchar_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

std::wstring MenuText(const std::wstring& text, std::size_t maxLength) {
    std::wstring line = text;
    for (wchar_t& c : line)
        if (IsControl(c)) c = L' ';
    if (line.size() <= maxLength || maxLength == 0) return line;
    std::size_t keep = maxLength - 1;
    // Never half a character that takes two UTF-16 units.
    if (keep > 0 && IsHighSurrogate(line[keep - 1])) --keep;
    return line.substr(0, keep) + L"\u2026";
}

}  // namespace orbilux::ui
