// Layout files end to end: orbiluxctl exports a layout from one desktop and
// imports it into an empty store beside a desktop whose icons stand in
// another order; restoring it puts every icon back by name.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "engine/shape_types.h"
#include "platform/text.h"
#include "platform/win32/registry_win32.h"
#include "tests/support/real_desktop.h"
#include "tests/wine/wine_test_support.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux {
namespace {

wine_test::ProcessResult Ctl(const std::wstring& arguments) {
    return wine_test::RunProcess(wine_test::Quote(wine_test::BinaryFolder() + L"orbiluxctl.exe") + L" " + arguments);
}

std::string IdFrom(const std::string& json) {
    const std::size_t start = json.find("\"id\": \"");
    return start == std::string::npos ? std::string() : json.substr(start + 7, 8);
}

std::unique_ptr<standin::StandInDesktop> StartStandIn(std::vector<std::wstring> names) {
    standin::LaunchOptions options;
    options.icons = static_cast<int>(names.size());
    options.names = std::move(names);
    return std::make_unique<standin::StandInDesktop>(wine_test::BinaryFolder(), options);
}

class LayoutFilesWine : public ::testing::Test {
protected:
    void SetUp() override { clean(); }
    void TearDown() override {
        clean();
        DeleteFileW(file_.c_str());
    }
    void clean() {
        registry_.deleteKeyTree(L"Software\\Orbilux\\Saves");
        registry_.deleteKeyTree(L"Software\\Orbilux\\Icons");
    }

    win32::Win32Registry registry_;
    std::wstring file_ = [] {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        return std::wstring(temp) + L"orbilux \u00E9 desk.orbilux-layout.json";
    }();
};

TEST_F(LayoutFilesWine, ExportDeleteImportIntoAnEmptyStoreRestoresEveryIconByName) {
    std::vector<std::wstring> names;
    for (int i = 0; i < 20; ++i) names.push_back(L"Icon " + std::to_wstring(i));
    names[3] = names[7] = L"Notes";  // desktops have icons of the same name
    names[5] = L"Caf\u00E9";

    // Where each name stood on the first desktop, same names in order.
    std::map<std::wstring, std::vector<std::pair<int, int>>> saved;
    std::string id;
    {
        auto desktop = StartStandIn(names);
        for (const auto& item : desktop->report().items) saved[item.text].push_back({item.x, item.y});
        const auto save = Ctl(L"save --description \"Old PC\" --json");
        ASSERT_EQ(save.exitCode, 0u) << save.err;
        id = IdFrom(save.out);
        const auto exported = Ctl(L"export " + WideFromUtf8(id) + L" -o " + wine_test::Quote(file_));
        ASSERT_EQ(exported.exitCode, 0u) << exported.err;
        ASSERT_EQ(Ctl(L"delete " + WideFromUtf8(id)).exitCode, 0u);
    }
    registry_.deleteKeyTree(L"Software\\Orbilux");
    EXPECT_EQ(Ctl(L"list --json").out, "{\"layouts\": []}\n");

    // The same icons in reverse order, somewhere else.
    std::vector<std::wstring> reversed(names.rbegin(), names.rend());
    auto desktop = StartStandIn(reversed);
    IconTargets elsewhere;
    for (int i = 0; i < 20; ++i) elsewhere.push_back({600 + 7 * i, 400 + 3 * i, i});
    test::RealDesktop().port.ApplyIconTargets(elsewhere);

    const auto imported = Ctl(L"import " + wine_test::Quote(file_) + L" --json");
    ASSERT_EQ(imported.exitCode, 0u) << imported.err;
    const std::string newId = IdFrom(imported.out);
    EXPECT_EQ(imported.out, "{\"id\": \"" + newId + "\", \"icons\": 20}\n");
    const auto listed = Ctl(L"list");
    EXPECT_NE(listed.out.find(newId + "\t"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("\t20 icons\tOld PC"), std::string::npos) << listed.out;

    const auto restored = Ctl(L"restore " + WideFromUtf8(newId));
    ASSERT_EQ(restored.exitCode, 0u) << restored.err;
    EXPECT_EQ(restored.out.find("restored " + newId + ": 20 of 20 icons moved\n"), 0u) << restored.out;
    std::map<std::wstring, std::size_t> taken;
    for (const auto& item : desktop->report().items) {
        const auto& spots = saved[item.text];
        const std::size_t k = taken[item.text]++;
        ASSERT_LT(k, spots.size()) << Utf8FromWide(item.text);
        EXPECT_EQ(std::make_pair(item.x, item.y), spots[k]) << Utf8FromWide(item.text);
    }

    // The restore kept where the icons stood before it: one step back.
    ASSERT_EQ(Ctl(L"restore before-last-change").exitCode, 0u);
    const auto back = desktop->report().items;
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(std::make_pair(back[std::size_t(i)].x, back[std::size_t(i)].y),
                  std::make_pair(600 + 7 * i, 400 + 3 * i));
}

TEST_F(LayoutFilesWine, ABrokenFileIsRefusedWithItsReasonAndAddsNothing) {
    HANDLE file = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char text[] = "{\"format\": \"orbilux-layout\", \"version\": 2}";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    const auto imported = Ctl(L"import " + wine_test::Quote(file_));
    EXPECT_EQ(imported.exitCode, 1u);
    EXPECT_NE(imported.err.find("unknown format version 2"), std::string::npos) << imported.err;
    EXPECT_EQ(Ctl(L"list --json").out, "{\"layouts\": []}\n");
}

}  // namespace
}  // namespace orbilux
