// The layout store on the real registry and a real list view in another
// process (the stand-in desktop), under Wine; and the layout commands of
// orbiluxctl as processes.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "desktop/layout_header.h"
#include "desktop/layout_matching.h"
#include "desktop/layout_store.h"
#include "desktop/win32/layout_ports_win32.h"
#include "desktop/win32/win32_desktop.h"
#include "platform/text.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/win32_error.h"
#include "tests/support/real_desktop.h"
#include "tests/wine/wine_test_support.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux {
namespace {

using standin::StandInDesktop;

std::unique_ptr<StandInDesktop> StartStandIn(int icons, int exitAfterTextQueries = 0,
                                             std::vector<std::wstring> names = {}) {
    standin::LaunchOptions options;
    options.icons = icons;
    options.exitAfterTextQueries = exitAfterTextQueries;
    options.names = std::move(names);
    return std::make_unique<StandInDesktop>(wine_test::BinaryFolder(), options);
}

// Every icon somewhere else: a diagonal line from the top-left corner.
void Scramble(int icons) {
    IconTargets targets;
    for (int i = 0; i < icons; ++i) targets.push_back({15 * i + 3, 9 * i + 5, icons - 1 - i});
    test::RealDesktop().port.ApplyIconTargets(targets);
}

std::vector<std::pair<int, int>> Positions(const standin::Report& report) {
    std::vector<std::pair<int, int>> positions;
    for (const auto& item : report.items) positions.emplace_back(item.x, item.y);
    return positions;
}

class LayoutDesktopWine : public ::testing::Test {
protected:
    void TearDown() override { registry_.deleteKeyTree(root_); }

    std::optional<std::wstring> header(const std::wstring& id) {
        auto key = registry_.openKey(store_.headerKeyPath(), false);
        return key ? key->readString(id) : std::nullopt;
    }
    std::vector<RegistryValue> iconValues(const std::wstring& id) {
        auto key = registry_.openKey(store_.iconKeyPath(id), false);
        return key ? key->values() : std::vector<RegistryValue>{};
    }

    std::wstring root_ = wine_test::ScratchRegistryPath(L"layouts");
    win32::Win32Registry registry_;
    win32::Win32DesktopAccess desktop_;
    test::RecordingNotifier notifier_;
    win32::Win32Clock clock_;
    win32::Win32LocaleSource locale_;
    win32::Win32ScreenMetrics screen_;
    win32::Win32TickSource ticks_;
    LayoutStore store_{LayoutStorePorts{registry_, desktop_, notifier_, clock_, locale_, screen_, ticks_}, root_};
};

TEST_F(LayoutDesktopWine, SixtyIconsComeBackToTheirSavedPositions) {
    auto desktop = StartStandIn(60);
    const auto saved = Positions(desktop->report());
    const std::wstring id = store_.NewLayoutId();
    const LayoutOutcome save = store_.SaveLayout(id, L"Before the shape");
    ASSERT_EQ(save.status, LayoutStatus::Done);
    EXPECT_EQ(save.icons, 60);
    EXPECT_EQ(iconValues(id).size(), 60u);
    LayoutInfo info;
    ASSERT_TRUE(store_.ReadLayoutInfo(id, info));
    EXPECT_EQ(info.iconCount, 60);
    EXPECT_EQ(info.description, L"Before the shape");
    EXPECT_EQ(info.screenWidth, GetSystemMetrics(SM_CXSCREEN));

    Scramble(60);
    ASSERT_NE(Positions(desktop->report()), saved);
    const LayoutOutcome restore = store_.RestoreLayout(id);
    ASSERT_EQ(restore.status, LayoutStatus::Done);
    EXPECT_EQ(restore.icons, 60);
    EXPECT_EQ(Positions(desktop->report()), saved);
    EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(LayoutDesktopWine, ReplacingRewritesHeaderAndEveryIconValue) {
    auto desktop = StartStandIn(20);
    ASSERT_EQ(store_.SaveLayout(L"12345678", L"first").status, LayoutStatus::Done);
    const auto before = iconValues(L"12345678");
    Scramble(20);
    const auto scrambled = Positions(desktop->report());
    ASSERT_EQ(store_.SaveLayout(L"12345678", L"second").status, LayoutStatus::Done);

    LayoutInfo info;
    ASSERT_TRUE(store_.ReadLayoutInfo(L"12345678", info));
    EXPECT_EQ(info.description, L"second");
    const auto after = iconValues(L"12345678");
    EXPECT_EQ(after.size(), 20u);
    EXPECT_NE(after, before);
    // Restoring the replacement gives the scrambled places back.
    test::RealDesktop().port.ApplyIconTargets({{900, 700, 0}, {901, 701, 19}});
    ASSERT_EQ(store_.RestoreLayout(L"12345678").status, LayoutStatus::Done);
    EXPECT_EQ(Positions(desktop->report()), scrambled);
}

TEST_F(LayoutDesktopWine, DeleteRemovesHeaderAndIconKey) {
    auto desktop = StartStandIn(5);
    ASSERT_EQ(store_.SaveLayout(L"87654321", L"to delete").status, LayoutStatus::Done);
    ASSERT_TRUE(header(L"87654321").has_value());
    ASSERT_TRUE(registry_.keyExists(store_.iconKeyPath(L"87654321")));
    EXPECT_EQ(store_.DeleteLayout(L"87654321").status, LayoutStatus::Done);
    EXPECT_FALSE(header(L"87654321").has_value());
    EXPECT_FALSE(registry_.keyExists(store_.iconKeyPath(L"87654321")));
    EXPECT_TRUE(store_.ListLayoutIds().empty());
}

TEST_F(LayoutDesktopWine, ReDescribingKeepsEveryOtherCharacter) {
    auto desktop = StartStandIn(7);
    ASSERT_EQ(store_.SaveLayout(L"00000007", L"old words").status, LayoutStatus::Done);
    const std::wstring before = *header(L"00000007");
    ASSERT_EQ(store_.SetLayoutDescription(L"00000007", L"new \u00E9 words").status, LayoutStatus::Done);
    const std::wstring after = *header(L"00000007");
    const std::size_t cut = before.find(L"\u00BC") + 1;
    EXPECT_EQ(after.substr(0, cut), before.substr(0, cut));  // the saved-at text
    EXPECT_EQ(after.substr(cut), L"new \u00E9 words" + before.substr(before.find(L"\u00BC", cut)));
}

TEST_F(LayoutDesktopWine, AShellThatDiesDuringASaveLeavesThePreviousLayout) {
    {
        auto healthy = StartStandIn(60);
        ASSERT_EQ(store_.SaveLayout(L"55555555", L"keep me").status, LayoutStatus::Done);
    }
    const std::wstring headerBefore = *header(L"55555555");
    const auto valuesBefore = iconValues(L"55555555");

    auto dying = StartStandIn(60, /*exitAfterTextQueries=*/30);
    LayoutOutcome outcome;
    bool threw = false;
    try {
        outcome = store_.SaveLayout(L"55555555", L"replacement");
    } catch (const win32::Win32Error&) {
        threw = true;
    }
    EXPECT_TRUE(threw || outcome.status == LayoutStatus::DesktopChanged);
    EXPECT_FALSE(dying->running());
    EXPECT_EQ(header(L"55555555"), headerBefore);
    EXPECT_EQ(iconValues(L"55555555"), valuesBefore);
}

// orbiluxctl's layout commands work on the program's own key.
class LayoutCommandsWine : public ::testing::Test {
protected:
    void SetUp() override { clean(); }
    void TearDown() override { clean(); }
    void clean() {
        registry_.deleteKeyTree(L"Software\\Orbilux\\Saves");
        registry_.deleteKeyTree(L"Software\\Orbilux\\Icons");
    }
    wine_test::ProcessResult ctl(const std::wstring& arguments) {
        return wine_test::RunProcess(wine_test::Quote(wine_test::BinaryFolder() + L"orbiluxctl.exe") + L" " +
                                     arguments);
    }
    win32::Win32Registry registry_;
};

TEST_F(LayoutCommandsWine, SaveListRestoreDeleteAsProcesses) {
    auto desktop = StartStandIn(30);
    const auto saved = Positions(desktop->report());

    const auto save = ctl(L"save --description \"Caf\u00E9 layout\" --json");
    ASSERT_EQ(save.exitCode, 0u) << save.err;
    const std::size_t idStart = save.out.find("\"id\": \"") + 7;
    const std::string id = save.out.substr(idStart, 8);
    EXPECT_EQ(save.out, "{\"id\": \"" + id + "\", \"icons\": 30, \"iconsSharingAName\": 0}\n");

    const auto list = ctl(L"list --json");
    ASSERT_EQ(list.exitCode, 0u) << list.err;
    EXPECT_NE(list.out.find("\"id\": \"" + id + "\""), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\"description\": \"Caf\xC3\xA9 layout\""), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\"iconCount\": 30}"), std::string::npos) << list.out;

    Scramble(30);
    const auto restore = ctl(L"restore newest");
    ASSERT_EQ(restore.exitCode, 0u) << restore.err;
    EXPECT_EQ(restore.out, "restored " + id + ": 30 of 30 icons moved\nshell: the shell view is not available\n");
    EXPECT_EQ(Positions(desktop->report()), saved);

    const auto removed = ctl(L"delete " + WideFromUtf8(id));
    EXPECT_EQ(removed.exitCode, 0u) << removed.err;
    // Left: only where the icons were before the restore, for one step back.
    const std::string left = ctl(L"list --json").out;
    EXPECT_EQ(left.find("\"id\": \"" + id + "\""), std::string::npos) << left;
    EXPECT_NE(left.find("\"description\": \"Before the last change\""), std::string::npos) << left;
    EXPECT_NE(ctl(L"delete " + WideFromUtf8(id)).exitCode, 0u);
}

TEST_F(LayoutCommandsWine, IconsWhoseStoredNamesCollideAreCountedAndOnlyTheWriterGetsThePosition) {
    // Item 1 "1Password" and item 11 "Password" are both stored as "11Password".
    std::vector<std::wstring> names(12, L"");
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = L"Icon " + std::to_wstring(i);
    names[1] = L"1Password";
    names[11] = L"Password";
    auto desktop = StartStandIn(12, 0, names);
    const auto saved = Positions(desktop->report());

    const auto save = ctl(L"save --id 11 --json");
    ASSERT_EQ(save.exitCode, 0u) << save.err;
    EXPECT_EQ(save.out, "{\"id\": \"11\", \"icons\": 11, \"iconsSharingAName\": 2}\n");
    EXPECT_NE(save.err.find("2 icons share their stored name"), std::string::npos) << save.err;

    Scramble(12);
    const auto scrambled = Positions(desktop->report());
    const auto restore = ctl(L"restore 11");
    ASSERT_EQ(restore.exitCode, 0u) << restore.err;
    EXPECT_EQ(restore.out, "restored 11: 11 of 12 icons moved\nshell: the shell view is not available\n");
    const auto after = Positions(desktop->report());
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(after[i], i == 1 ? scrambled[i] : saved[i]) << "item " << i;
}

TEST_F(LayoutCommandsWine, AnIdLongerThanEightCharactersIsListedRestoredAndDeletedWhole) {
    // Written by another program: an older layout "12345678" and a newer
    // one whose name begins with the same eight characters.
    auto desktop = StartStandIn(3, 0, {L"A", L"B", L"C"});
    const wchar_t sep = HeaderSeparator;
    auto header = [&](const std::wstring& date) {
        return date + sep + L"foreign" + sep + L"1280" + sep + L"1024" + sep + L"3" + sep;
    };
    auto headers = registry_.openKey(L"Software\\Orbilux\\Saves", true);
    ASSERT_TRUE(headers);
    headers->writeString(L"12345678", header(L"3/7/2023 02:05:09 PM"));
    headers->writeString(L"123456789", header(L"3/7/2024 02:05:09 PM"));
    headers.reset();
    for (const auto& [id, x] : {std::pair<std::wstring, int>{L"12345678", 100}, {L"123456789", 700}}) {
        auto icons = registry_.openKey(L"Software\\Orbilux\\Icons\\" + id, true);
        ASSERT_TRUE(icons);
        for (int i = 0; i < 3; ++i)
            icons->writeBinary(IconValueName(i, std::wstring(1, wchar_t(L'A' + i))), IconValueData(x, 100 + 90 * i));
    }

    EXPECT_NE(ctl(L"list").out.find("123456789\t"), std::string::npos);
    const auto restore = ctl(L"restore newest");
    ASSERT_EQ(restore.exitCode, 0u) << restore.err;
    EXPECT_EQ(restore.out, "restored 123456789: 3 of 3 icons moved\nshell: the shell view is not available\n");
    EXPECT_EQ(Positions(desktop->report()), (std::vector<std::pair<int, int>>{{700, 100}, {700, 190}, {700, 280}}));

    EXPECT_EQ(ctl(L"delete 123456789").exitCode, 0u);
    EXPECT_EQ(ctl(L"newest").out.substr(0, 9), "12345678\t");
}

TEST_F(LayoutCommandsWine, KilledShellDuringSaveIsAnErrorNotACrash) {
    auto dying = StartStandIn(40, /*exitAfterTextQueries=*/10);
    const auto save = ctl(L"save --id 99999999");
    EXPECT_EQ(save.exitCode, 1u) << save.err;
    EXPECT_NE(save.err.find("orbiluxctl save"), std::string::npos) << save.err;
    EXPECT_EQ(ctl(L"list --json").out, "{\"layouts\": []}\n");
}

}  // namespace
}  // namespace orbilux
