#include "desktop/layout_header.h"

#include <limits>

namespace orbilux {

namespace {

bool IsHighSurrogate(wchar_t c) { return sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return sizeof(wchar_t) == 2 && c >= 0xDC00 && c <= 0xDFFF; }
bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring TakeHeaderField(std::wstring& rest) {
    const std::size_t separator = rest.find(HeaderSeparator);
    if (separator == std::wstring::npos) return std::wstring();
    std::wstring field = rest.substr(0, separator);
    rest.erase(0, separator + 1);
    return field;
}

std::wstring StorableDescription(const std::wstring& description) {
    std::wstring storable;
    storable.reserve(description.size());
    for (const wchar_t c : description) {
        if (c == HeaderSeparator)
            storable += SeparatorStandIn;
        else if (c != L'\0')
            storable += c;
    }
    return storable;
}

std::wstring ComposeHeader(const std::wstring& savedAtText, const std::wstring& description, int32_t screenWidth,
                           int32_t screenHeight, int32_t iconCount) {
    std::wstring header;
    for (const std::wstring& field : {savedAtText, StorableDescription(description), std::to_wstring(screenWidth),
                                      std::to_wstring(screenHeight), std::to_wstring(iconCount)}) {
        header += field;
        header += HeaderSeparator;
    }
    return header;
}

std::wstring WithDescription(const std::wstring& header, const std::wstring& description) {
    const std::wstring stored = StorableDescription(description);
    const std::size_t first = header.find(HeaderSeparator);
    if (first == std::wstring::npos) return header + HeaderSeparator + stored + HeaderSeparator;
    const std::size_t second = header.find(HeaderSeparator, first + 1);
    if (second == std::wstring::npos) return header.substr(0, first + 1) + stored + HeaderSeparator;
    return header.substr(0, first + 1) + stored + header.substr(second);
}

int32_t HeaderNumber(const std::wstring& field) {
    std::size_t begin = 0, end = field.size();
    while (begin < end && IsSpace(field[begin])) ++begin;
    while (end > begin && IsSpace(field[end - 1])) --end;
    bool negative = false;
    if (begin < end && (field[begin] == L'+' || field[begin] == L'-')) negative = field[begin++] == L'-';
    if (begin == end) return 0;
    // Accumulate as a negative number, whose range includes INT32_MIN.
    int64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (field[i] < L'0' || field[i] > L'9') return 0;
        value = value * 10 - (field[i] - L'0');
        if (value < int64_t(std::numeric_limits<int32_t>::min())) return 0;
    }
    if (!negative) {
        if (-value > int64_t(std::numeric_limits<int32_t>::max())) return 0;
        value = -value;
    }
    return static_cast<int32_t>(value);
}

std::wstring CutToCharacters(const std::wstring& text, std::size_t count) {
    std::size_t units = 0;
    for (std::size_t characters = 0; units < text.size() && characters < count; ++characters) {
        const bool pair = IsHighSurrogate(text[units]) && units + 1 < text.size() && IsLowSurrogate(text[units + 1]);
        units += pair ? 2 : 1;
    }
    return text.substr(0, units);
}

LayoutInfo ParseHeader(const std::wstring& id, const std::wstring& header, const LocaleSettings& locale) {
    std::wstring rest = header;
    LayoutInfo info;
    info.id = id;
    info.savedAt = SavedAtFromText(TakeHeaderField(rest), locale);
    info.description = CutToCharacters(TakeHeaderField(rest), MaxDescriptionLength);
    info.screenWidth = HeaderNumber(TakeHeaderField(rest));
    info.screenHeight = HeaderNumber(TakeHeaderField(rest));
    info.iconCount = HeaderNumber(TakeHeaderField(rest));
    return info;
}

LayoutInfo UnreadableLayoutInfo(const std::wstring& id) {
    LayoutInfo info;
    info.id = id;
    info.description = NotLoadedProperly;
    return info;
}

}  // namespace orbilux
