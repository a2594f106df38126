#include <gtest/gtest.h>

#include "settings/product_version.h"
#include "tests/support/fake_registry.h"

namespace orbilux {
namespace {

const std::wstring Key = L"Software\\Orbilux";

struct VersionCase {
    const wchar_t* stored;  // nullptr: no value
    const wchar_t* expected;
};

class ProductVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ProductVersionTest, ShowsAFullVersionTextOnly) {
    test::FakeRegistry registry;
    if (GetParam().stored) registry.putString(Key, L"Version", GetParam().stored);
    EXPECT_EQ(ProductVersion(registry), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProductVersionTest,
                         ::testing::Values(VersionCase{nullptr, L"0.9"}, VersionCase{L"", L"0.9"},
                                           VersionCase{L"1.0", L"0.9"},
                                           VersionCase{L"1.2.3.", L"0.9"} /* 6 characters */,
                                           VersionCase{L"1.2.3.4", L"1.2.3.4"}, VersionCase{L"0.9.1.5", L"0.9.1.5"},
                                           VersionCase{L"1.10.0.22", L"1.10.0.22"},
                                           VersionCase{L"0.9.0.0 beta", L"0.9.0.0 beta"}));

TEST(ProductVersion, AValueOfAnotherTypeIsUnreadable) {
    test::FakeRegistry registry;
    registry.put(Key, L"Version", uint32_t(RegistryType::Binary),
                 {'1', 0, '.', 0, '2', 0, '.', 0, '3', 0, '.', 0, '4', 0, 0, 0});
    EXPECT_EQ(ProductVersion(registry), L"0.9");
}

TEST(ProductVersion, CreatesTheProgramsKeyWhenMissing) {
    test::FakeRegistry registry;
    EXPECT_EQ(ProductVersion(registry), L"0.9");
    EXPECT_TRUE(registry.keyExists(Key));
    EXPECT_TRUE(registry.key(Key)->values.empty());
}

TEST(ProductVersion, AKeyThatCannotBeOpenedGivesTheBaseVersion) {
    test::FakeRegistry registry;
    registry.putString(Key, L"Version", L"2.0.0.1");
    registry.unopenableKeys.insert(test::FoldCase(Key));
    EXPECT_EQ(ProductVersion(registry), L"0.9");
}

}  // namespace
}  // namespace orbilux
