// The layout manager over the real layout store on in-memory fakes: the
// confirmations, the refreshes, the menus and the date text.
#include <gtest/gtest.h>

#include "tests/support/layouts_page_fakes.h"
#include "ui/control_ids.h"
#include "ui/layouts/menu_text.h"

namespace orbilux {
namespace {

using test::LayoutsPageRig;
using ui::SavedLayoutsMenu;
using Texts = std::vector<std::wstring>;

TEST(DateText, ShortDateSpaceLongTimeAndNoTimeAtMidnight) {
    struct Case {
        LocalDateTime when;
        const wchar_t* shortDate;
        const wchar_t* longTime;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {{2024, 3, 7, 14, 5, 9}, L"M/d/yyyy", L"h:mm:ss tt", L"3/7/2024 2:05:09 PM"},
        {{2024, 3, 7, 0, 0, 0}, L"M/d/yyyy", L"h:mm:ss tt", L"3/7/2024"},
        {{2024, 3, 7, 0, 0, 1}, L"M/d/yyyy", L"h:mm:ss tt", L"3/7/2024 12:00:01 AM"},
        {{2024, 3, 7, 9, 5, 9}, L"dd.MM.yyyy", L"HH:mm:ss", L"07.03.2024 09:05:09"},
        {{2024, 11, 27, 23, 59, 59}, L"yyyy-MM-dd", L"H.mm.ss", L"2024-11-27 23.59.59"},
        {{2024, 3, 7, 14, 5, 9}, L"d 'de' MMM yy", L"HH'h'mm", L"7 de Mar 24 14h05"},
        {{2024, 3, 7, 14, 5, 9}, L"ddd d/M", L"t", L"Thu 7/3 P"},
    };
    for (const Case& c : cases) {
        ui::DateDisplayFormat format;
        format.shortDate = c.shortDate;
        format.longTime = c.longTime;
        EXPECT_EQ(ui::DateText(SavedAtFromDateTime(c.when).value(), format), c.expected);
    }
    // Day 0 is what a header that can't be read shows.
    EXPECT_EQ(ui::DateText(0.0, ui::DateDisplayFormat{}), L"12/30/1899");
}

TEST(LayoutsPage, QuickSaveAsksWhenConfirmSaveIsOnAndRebuildsTheMenuEitherWay) {
    struct Case {
        bool confirmSave;
        bool answer;
        bool asked, saved;
    };
    for (const Case c :
         {Case{true, false, true, false}, Case{true, true, true, true}, Case{false, false, false, true}}) {
        LayoutsPageRig rig;
        rig.options.ConfirmSave = c.confirmSave;
        rig.confirmer.answers = {c.answer};
        rig.presenter.quickSave();
        EXPECT_EQ(rig.confirmer.questions.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(rig.descriptions(), c.saved ? Texts{L"No description"} : Texts{});
        EXPECT_EQ(rig.menus.builds[SavedLayoutsMenu::Main], 1);
        EXPECT_EQ(rig.view.fills, 0);  // the page's list is not refilled
    }
}

TEST(LayoutsPage, TheMenuListsTheLayoutsNewestFirstUnderAHeading) {
    LayoutsPageRig rig;
    rig.presenter.buildSavedLayoutsMenu(SavedLayoutsMenu::Main);
    EXPECT_TRUE(rig.menus.captions(SavedLayoutsMenu::Main).empty());  // not even the heading

    rig.save(L"Before the party");
    rig.save(L"Work");
    rig.presenter.buildSavedLayoutsMenu(SavedLayoutsMenu::Main);
    EXPECT_EQ(rig.menus.captions(SavedLayoutsMenu::Main),
              (Texts{L"Saved layouts: ", L"-", L"12/9/2026 2:07:09 PM   1280 x 1024 - Work",
                     L"12/9/2026 2:06:09 PM   1280 x 1024 - Before the party"}));
}

TEST(LayoutsPage, AMenuLineEndsInAnEllipsisAndShowsControlCharactersAsSpaces) {
    LayoutsPageRig rig;
    const std::wstring description = L"Desk\tat\r\nhome " + std::wstring(200, L'x');
    rig.save(description);
    rig.presenter.buildSavedLayoutsMenu(SavedLayoutsMenu::Main);
    const std::wstring start = L"12/9/2026 2:06:09 PM   1280 x 1024 - Desk at  home ";
    EXPECT_EQ(rig.menus.captions(SavedLayoutsMenu::Main).back(),
              start + std::wstring(ui::MaxMenuTextLength - 1 - start.size(), L'x') + L"\u2026");
    rig.presenter.pageShown();  // the page keeps the whole text
    EXPECT_EQ(rig.view.rows.at(0).description, description);
}

TEST(LayoutsPage, AMenuItemRestoresItsOwnLayoutEvenAfterAnotherMenuWasRebuilt) {
    LayoutsPageRig rig;
    const std::wstring first = rig.save(L"first");
    rig.save(L"second");
    rig.presenter.buildSavedLayoutsMenu(SavedLayoutsMenu::Tray);
    const uint16_t firstItem = rig.menus.items[SavedLayoutsMenu::Tray].back().id;  // listed last

    // The other menu is rebuilt after "second" went: positions shift there.
    rig.layouts.DeleteLayout(rig.layouts.ListLayoutIds()[1]);
    rig.presenter.buildSavedLayoutsMenu(SavedLayoutsMenu::Main);
    for (auto& item : rig.shell.items) item.x = 9999;

    rig.options.ConfirmLoad = true;
    rig.confirmer.answers = {true};
    EXPECT_TRUE(rig.presenter.LoadMItemClick(firstItem));
    EXPECT_EQ(rig.confirmer.questions,
              Texts{L"Are you sure you want to restore this desktop icons position saved on 12/9/2026 2:06:09 PM ?"});
    EXPECT_EQ(rig.shell.items[0].x, 100);  // back where "first" saved it
    EXPECT_FALSE(rig.presenter.LoadMItemClick(ui::FirstSavedLayoutItem + 500));
}

TEST(LayoutsPage, ConfirmLoadOffRestoresAtOnceAndNoRestoresNothing) {
    for (const bool confirmLoad : {false, true}) {
        LayoutsPageRig rig;
        rig.save(L"kept");
        rig.presenter.pageShown();
        rig.select(0);
        for (auto& item : rig.shell.items) item.x = 9999;
        rig.options.ConfirmLoad = confirmLoad;
        rig.confirmer.answers = {false};
        rig.commands.execute(ui::RestoreSelLayoutA);
        EXPECT_EQ(rig.shell.items[0].x, confirmLoad ? 9999 : 100);
        EXPECT_EQ(rig.confirmer.questions.size(), confirmLoad ? 1u : 0u);
        if (confirmLoad) {
            EXPECT_EQ(rig.confirmer.questions[0],
                      L"Are you sure you want to restore desktop icons position saved on 12/9/2026 2:06:09 PM ?");
        }
    }
}

TEST(LayoutsPage, SaveNewLayoutQuickSavesOnTheLeftAsksOnTheRightAndRefillsAlways) {
    struct Case {
        ui::ReleasedButton button;
        std::optional<std::wstring> typed;
        Texts saved;
    };
    const Case cases[] = {
        {ui::ReleasedButton::Left, std::nullopt, {L"No description"}},
        {ui::ReleasedButton::Right, std::wstring(L"Holiday"), {L"Holiday"}},
        {ui::ReleasedButton::Right, std::wstring(), {L"No description"}},
        {ui::ReleasedButton::Right, std::nullopt, {}},  // "Cancel"
        {ui::ReleasedButton::Other, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        LayoutsPageRig rig;
        rig.options.ConfirmSave = true;  // the dialog and the left button never ask
        rig.descriptionDialog.answer = c.typed;
        rig.presenter.SaveNewLayoutReleased(c.button);
        EXPECT_EQ(rig.descriptions(), c.saved);
        EXPECT_TRUE(rig.confirmer.questions.empty());
        EXPECT_EQ(rig.view.fills, 1);
        EXPECT_EQ(rig.view.rows.size(), c.saved.size());
    }
}

TEST(LayoutsPage, AHeaderKeyThatCantBeOpenedStopsTheQuickSaveOfTheButton) {
    LayoutsPageRig rig;
    rig.registry.unopenableKeys.insert(test::FoldCase(LayoutsPageRig::HeaderKey));
    rig.presenter.SaveNewLayoutReleased(ui::ReleasedButton::Left);
    EXPECT_FALSE(rig.registry.keyExists(L"Software\\Orbilux\\Icons"));
}

TEST(LayoutsPage, DeleteAlwaysAsksAndOnlyYesRemovesTheRowAndBothKeys) {
    for (const bool answer : {false, true}) {
        LayoutsPageRig rig;
        rig.options.ConfirmSave = false;
        const std::wstring id = rig.save(L"gone");
        rig.presenter.pageShown();
        rig.select(0);
        rig.confirmer.answers = {answer};
        const int builds = rig.menus.builds[SavedLayoutsMenu::Main];
        rig.commands.execute(ui::DelLayoutA);
        EXPECT_EQ(rig.confirmer.questions,
                  Texts{L"Are you sure you want to PERMANENTLY delete selected desktop icons layout?"});
        EXPECT_EQ(rig.view.rows.size(), answer ? 0u : 1u);
        EXPECT_EQ(rig.layouts.HasLayoutHeader(id), !answer);
        EXPECT_EQ(rig.registry.keyExists(L"Software\\Orbilux\\Icons\\" + id), !answer);
        EXPECT_EQ(rig.menus.builds[SavedLayoutsMenu::Main], builds + 1);
    }
}

TEST(LayoutsPage, WithoutASelectedRowTheRowCommandsDoNothing) {
    LayoutsPageRig rig;
    rig.save(L"kept");
    rig.presenter.pageShown();
    for (auto& item : rig.shell.items) item.x = 9999;
    rig.options.ConfirmLoad = false;
    rig.view.description = L"changed";
    for (const uint16_t command : {ui::RestoreSelLayoutA, ui::ReplaceLayoutA, ui::SetLayoutDescA, ui::DelLayoutA}) {
        rig.commands.setEnabled(command, true);
        rig.commands.execute(command);
    }
    EXPECT_EQ(rig.shell.items[0].x, 9999);
    EXPECT_EQ(rig.descriptions(), Texts{L"kept"});
    EXPECT_EQ(rig.confirmer.questions.size(), 1u);  // Delete still asks
}

TEST(LayoutsPage, SelectingARowEnablesItsCommandsAndShowsItsDescription) {
    LayoutsPageRig rig;
    rig.save(L"first");
    rig.save(L"second");
    rig.presenter.pageShown();
    EXPECT_FALSE(rig.commands.enabled(ui::RestoreSelLayoutA));
    EXPECT_FALSE(rig.view.descriptionEnabled);
    rig.select(1);
    EXPECT_EQ(rig.view.description, L"second");
    EXPECT_TRUE(rig.view.descriptionEnabled);
    for (const uint16_t command : {ui::RestoreSelLayoutA, ui::DelLayoutA, ui::ReplaceLayoutA, ui::SetLayoutDescA})
        EXPECT_TRUE(rig.commands.enabled(command));
    rig.presenter.LayoutsListChange(1, false);
    EXPECT_FALSE(rig.commands.enabled(ui::ReplaceLayoutA));
}

TEST(LayoutsPage, ReplaceKeepsTheIdAndTakesTheBoxsTextEvenEmpty) {
    LayoutsPageRig rig;
    rig.options.ConfirmSave = true;
    const std::wstring id = rig.save(L"old");
    rig.presenter.pageShown();
    rig.select(0);
    rig.view.description = L"";
    for (auto& item : rig.shell.items) item.x = 40;
    rig.commands.execute(ui::ReplaceLayoutA);
    EXPECT_EQ(rig.confirmer.questions, Texts{L"Are you sure you want to replace selected desktop icons layout?"});
    EXPECT_EQ(rig.layouts.ListLayoutIds(), Texts{id});
    EXPECT_EQ(rig.descriptions(), Texts{L""});
    EXPECT_EQ(rig.view.rows.at(0).description, L"");
    EXPECT_EQ(rig.view.fills, 2);
}

TEST(LayoutsPage, AHeaderDeletedMeanwhileIsNeitherReplacedNorRedescribed) {
    LayoutsPageRig rig;
    rig.options.ConfirmSave = false;
    const std::wstring id = rig.save(L"old");
    rig.presenter.pageShown();
    rig.select(0);
    rig.layouts.DeleteLayout(id);
    rig.view.description = L"new";
    rig.commands.execute(ui::ReplaceLayoutA);
    rig.commands.execute(ui::SetLayoutDescA);
    EXPECT_TRUE(rig.layouts.ListLayoutIds().empty());
    EXPECT_TRUE(rig.view.rows.empty());
}

TEST(LayoutsPage, SetDescriptionRewritesTheHeaderAndRefills) {
    LayoutsPageRig rig;
    rig.save(L"old");
    rig.presenter.pageShown();
    rig.select(0);
    rig.view.description = L"Christmas";
    rig.commands.execute(ui::SetLayoutDescA);
    EXPECT_EQ(rig.descriptions(), Texts{L"Christmas"});
    EXPECT_EQ(rig.view.rows.at(0).description, L"Christmas");
}

TEST(LayoutsPage, AHeaderThatCantBeReadShowsDayZeroAndNotLoadedProperly) {
    LayoutsPageRig rig;
    auto key = rig.registry.openKey(LayoutsPageRig::HeaderKey, true);
    key->writeBinary(L"55555555", {1, 2, 3});
    rig.presenter.pageShown();
    ASSERT_EQ(rig.view.rows.size(), 1u);
    EXPECT_EQ(rig.view.rows[0], (ui::LayoutRow{L"12/30/1899", L"Not_loaded_properly", L"0x0", L"0", L"55555555"}));
}

}  // namespace
}  // namespace orbilux
