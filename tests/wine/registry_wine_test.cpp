// The registry adapter against Wine's real registry.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/registry_win32.h"
#include "tests/wine/wine_test_support.h"

namespace orbilux {
namespace {

class RegistryWine : public ::testing::Test {
protected:
    void TearDown() override { registry_.deleteKeyTree(root_); }
    win32::Win32Registry registry_;
    std::wstring root_ = wine_test::ScratchRegistryPath(L"registry");
};

TEST_F(RegistryWine, OpenWithoutCreateFailsForAMissingKey) {
    EXPECT_EQ(registry_.openKey(root_ + L"\\missing", false), nullptr);
    EXPECT_FALSE(registry_.keyExists(root_ + L"\\missing"));
    EXPECT_FALSE(registry_.deleteKeyTree(root_ + L"\\missing"));
}

TEST_F(RegistryWine, AKeyOpenedForReadingReadsButTakesNoWrites) {
    EXPECT_EQ(registry_.openKeyForReading(root_ + L"\\missing"), nullptr);
    ASSERT_TRUE(registry_.openKey(root_ + L"\\read", true)->writeString(L"name", L"text"));
    auto key = registry_.openKeyForReading(root_ + L"\\read");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->valueNames(), std::vector<std::wstring>{L"name"});
    EXPECT_EQ(key->readString(L"name"), L"text");
    // Only read access was asked for, so the registry itself refuses these.
    EXPECT_FALSE(key->writeString(L"other", L"x"));
    EXPECT_FALSE(key->deleteValue(L"name"));
    EXPECT_EQ(registry_.openKeyForReading(root_ + L"\\read")->valueNames(), std::vector<std::wstring>{L"name"});
}

TEST_F(RegistryWine, ValuesKeepTypeAndDataAndUnicodeNames) {
    auto key = registry_.openKey(root_ + L"\\values", true);
    ASSERT_NE(key, nullptr);
    const std::wstring cyrillic = L"3\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B";
    EXPECT_TRUE(key->writeString(L"header", L"3/7/2024 02:05:09 PM\u00BCNo description\u00BC"));
    EXPECT_TRUE(key->writeBinary(cyrillic, {1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(key->writeBinary(L"empty", {}));

    EXPECT_EQ(key->readString(L"HEADER"), L"3/7/2024 02:05:09 PM\u00BCNo description\u00BC");  // names fold case
    EXPECT_EQ(key->readString(cyrillic), std::nullopt);  // binary is not a string
    const auto binary = key->readValue(cyrillic);
    ASSERT_TRUE(binary.has_value());
    EXPECT_EQ(binary->type, uint32_t(RegistryType::Binary));
    EXPECT_EQ(binary->data, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));

    auto names = key->valueNames();
    std::sort(names.begin(), names.end());  // Wine enumerates by name, Windows by writing order
    EXPECT_EQ(names, (std::vector<std::wstring>{cyrillic, L"empty", L"header"}));
    const auto values = key->values();
    ASSERT_EQ(values.size(), 3u);
    for (const RegistryValue& v : values)
        if (v.name == cyrillic) {
            EXPECT_EQ(v.data.size(), 8u);
        }

    EXPECT_TRUE(key->deleteValue(L"header"));
    EXPECT_FALSE(key->hasValue(L"header"));
    EXPECT_FALSE(key->deleteValue(L"header"));
}

TEST_F(RegistryWine, DeleteTreeRemovesTheKeyAndEverythingUnderIt) {
    ASSERT_NE(registry_.openKey(root_ + L"\\tree\\child\\grandchild", true), nullptr);
    registry_.openKey(root_ + L"\\tree\\child", false)->writeString(L"v", L"x");
    EXPECT_TRUE(registry_.deleteKeyTree(root_ + L"\\tree"));
    EXPECT_FALSE(registry_.keyExists(root_ + L"\\tree"));
    EXPECT_TRUE(registry_.keyExists(root_));
}

}  // namespace
}  // namespace orbilux
