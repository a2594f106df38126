#include <gtest/gtest.h>

#include "platform/registry_port.h"
#include "platform/text.h"

namespace orbilux {
namespace {

struct TextCase {
    const char* utf8;
    std::wstring wide;
};

TEST(Text_Utf8, RoundTripsEveryPlane) {
    const TextCase cases[] = {
        {"", L""},
        {"Notes", L"Notes"},
        {"\xC2\xBC", L"\u00BC"},                                  // the header separator
        {"\xD0\x94\xD0\xBE\xD0\xBA", L"\u0414\u043E\u043A"},    // Cyrillic
        {"\xE6\x96\x87\xE6\xA1\xA3", L"\u6587\u6863"},          // CJK
        {"\xF0\x9F\x98\x80", sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                  : std::wstring{wchar_t(0x1F600)}},  // outside the BMP
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(Utf8FromWide(c.wide), c.utf8);
        EXPECT_EQ(WideFromUtf8(c.utf8), c.wide);
    }
}

TEST(Text_Utf8, InvalidSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(WideFromUtf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(WideFromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");  // overlong '/'
    EXPECT_EQ(WideFromUtf8("\xE6\x96"), L"\uFFFD\uFFFD");  // cut short
    if (sizeof(wchar_t) == 2) {
        EXPECT_EQ(Utf8FromWide(std::wstring{wchar_t(0xD800)}), "\xEF\xBF\xBD");
    }
}

TEST(RegistryPort_StringBytes, AreUtf16LittleEndianWithTerminator) {
    EXPECT_EQ(RegistryStringBytes(L"A\u00BC"), (std::vector<uint8_t>{0x41, 0, 0xBC, 0, 0, 0}));
    EXPECT_EQ(RegistryStringFromBytes({0x41, 0, 0xBC, 0, 0, 0, 0x42, 0}), L"A\u00BC");  // stops at the NUL
    EXPECT_EQ(RegistryStringFromBytes({0x41, 0, 0x42}), L"A");                         // odd byte dropped
    const std::wstring outside = WideFromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(RegistryStringFromBytes(RegistryStringBytes(outside)), outside);
}

}  // namespace
}  // namespace orbilux
