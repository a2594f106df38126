// Fuzzes the reading of a layout header as any program may have left it in
// the registry: any bytes as the value's data, read as the store reads a
// REG_SZ, under a locale whose separators and designators come from the
// input too. Reading must never crash or hit undefined behaviour, and what
// it gives must hold together: a description of at most 250 characters, a
// date that writes and reads back to itself, and a description replaced
// without touching the fields around it.
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/layout_date.h"
#include "desktop/layout_header.h"
#include "platform/registry_port.h"

namespace {

using namespace orbilux;

// A short locale text: a length byte (0 to 3) and that many 16-bit units.
std::wstring TakeLocaleText(const uint8_t*& data, size_t& size) {
    std::wstring text;
    if (size == 0) return text;
    size_t length = data[0] % 4;
    ++data;
    --size;
    for (; length > 0 && size >= 2; --length, data += 2, size -= 2)
        text += static_cast<wchar_t>(data[0] | data[1] << 8);
    return text;
}

size_t CharacterCount(const std::wstring& text) {
    return CutToCharacters(text, text.size()).size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LocaleSettings locale;
    locale.dateSeparator = TakeLocaleText(data, size);
    locale.timeSeparator = TakeLocaleText(data, size);
    locale.amDesignator = TakeLocaleText(data, size);
    locale.pmDesignator = TakeLocaleText(data, size);

    const std::wstring header = RegistryStringFromBytes(std::vector<uint8_t>(data, data + size));
    const LayoutInfo info = ParseHeader(L"12345678", header, locale);
    if (info.id != L"12345678") __builtin_trap();
    if (CutToCharacters(info.description, 250) != info.description) __builtin_trap();
    (void)CharacterCount(info.description);

    // A date that parsed names a real moment, and writing that moment with
    // the locale the store writes with reads back as the same number.
    if (info.savedAt != 0.0) {
        const std::optional<LocalDateTime> when = DateTimeFromSavedAt(info.savedAt);
        if (!when) __builtin_trap();
        const LocaleSettings usable = UsableLocale(locale);
        const std::wstring text = FormatSavedAtText(*when, usable);
        if (SavedAtFromText(text, usable) != info.savedAt) __builtin_trap();
        if (!SavedAtToIso8601(info.savedAt)) __builtin_trap();
    }

    // Replacing the description keeps the other fields as they read.
    const std::wstring replaced = WithDescription(header, L"new \u00BC text");
    const LayoutInfo again = ParseHeader(L"12345678", replaced, locale);
    if (again.description != L"new 1/4 text") __builtin_trap();
    if (header.find(HeaderSeparator) != std::wstring::npos &&
        header.find(HeaderSeparator, header.find(HeaderSeparator) + 1) != std::wstring::npos) {
        if (again.savedAt != info.savedAt || again.screenWidth != info.screenWidth ||
            again.screenHeight != info.screenHeight || again.iconCount != info.iconCount)
            __builtin_trap();
    }

    // A header written from what was read reads back the same.
    if (info.savedAt != 0.0) {
        const LocaleSettings usable = UsableLocale(locale);
        const std::wstring rewritten =
            ComposeHeader(FormatSavedAtText(*DateTimeFromSavedAt(info.savedAt), usable), info.description,
                          info.screenWidth, info.screenHeight, info.iconCount);
        const LayoutInfo reread = ParseHeader(L"12345678", rewritten, usable);
        if (reread.savedAt != info.savedAt || reread.screenWidth != info.screenWidth ||
            reread.screenHeight != info.screenHeight || reread.iconCount != info.iconCount ||
            reread.description != CutToCharacters(StorableDescription(info.description), 250))
            __builtin_trap();
    }
    return 0;
}
