// The main window's start-up, tray icon, reminder bar, commands and
// shutdown, over a recording view and the real stores on in-memory fakes.
#include <gtest/gtest.h>

#include "tests/support/main_window_fakes.h"
#include "ui/control_ids.h"
#include "ui/ui_texts.h"

namespace orbilux {
namespace {

using test::MainPresenterRig;

std::string Message(const wchar_t* text) {
    const std::wstring t(text);
    return "message " + test::Narrow(t.substr(0, t.find(L'\r')));
}

TEST(MainPresenter_StartUp, FirstRunSavesTheLayoutThenWelcomesAndTheNextRunDoesNeither) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    EXPECT_EQ(rig.savedDescriptions(), std::vector<std::wstring>{ui::texts::FirstUseSaveDescription});
    ASSERT_GE(rig.indexOf("message Welcome"), 0);
    EXPECT_LT(rig.indexOf("desktop session"), rig.indexOf("message Welcome"));
    // A saved layout exists now, so "Restore previously saved layouts" works.
    EXPECT_TRUE(rig.commands.enabled(ui::RestoreDTIPos));
    rig.presenter.onDestroyed();  // the first run ends normally: the file is written

    MainPresenterRig second;
    second.profile = rig.profile;
    second.presenter.startUp();
    EXPECT_TRUE(second.savedDescriptions().empty());
    EXPECT_EQ(second.indexOf("message"), -1);
    EXPECT_FALSE(second.commands.enabled(ui::RestoreDTIPos));
}

TEST(MainPresenter_StartUp, FewerThanTenIconsAskToQuitAndTheRemainingStepsStillRun) {
    struct Case {
        int32_t icons;
        bool guarded;
    };
    for (const Case c : {Case{9, true}, Case{10, false}, Case{0, true}}) {
        SCOPED_TRACE(c.icons);
        MainPresenterRig rig(c.icons);
        rig.writeSetting(L"Settings", L"Knows", L"0");  // not a first run
        rig.presenter.startUp();
        EXPECT_EQ(rig.has(Message(ui::texts::IconGuardMessage)), c.guarded);
        EXPECT_EQ(rig.has("quit"), c.guarded);
        // The steps after the guard: options, placement, shape page, tray, skin, menu, height.
        EXPECT_TRUE(rig.has("shape start-up selection"));
        EXPECT_TRUE(rig.has("tray record"));
        EXPECT_TRUE(rig.has("skin 0 0"));
        EXPECT_TRUE(rig.has("build main layouts menu"));
        EXPECT_EQ(rig.view.outerHeight, 510);
        if (c.guarded) {
            EXPECT_LT(rig.indexOf("quit"), rig.indexOf("shape start-up selection"));
        }
    }
}

TEST(MainPresenter_StartUp, ASettingsFileThatIsNeverWrittenKeepsOneFirstUseSave) {
    MainPresenterRig first;
    first.presenter.startUp();
    first.profile.unwritableFiles.insert(test::FoldCase(MainPresenterRig::SettingsPath));
    EXPECT_ANY_THROW(first.presenter.onDestroyed());

    MainPresenterRig second;
    second.registry = first.registry;
    second.ticks.now = first.ticks.now + 1000;  // a new id, not the first one's again
    second.presenter.startUp();
    EXPECT_EQ(second.savedDescriptions(), std::vector<std::wstring>{ui::texts::FirstUseSaveDescription});
    EXPECT_TRUE(second.has(Message(ui::texts::WelcomeMessage)));
}

TEST(MainPresenter_StartUp, AFailedShapeSelectionLeavesTheWindowCompleteAndReachable) {
    MainPresenterRig rig;
    rig.writeSetting(L"Options", L"Minimize on Tray", L"1");
    rig.writeSetting(L"Settings", L"Knows", L"1");
    rig.layouts.SaveLayout(rig.layouts.NewLayoutId(), L"kept");
    rig.shapePage.failSelection = true;
    rig.presenter.startUp();
    EXPECT_TRUE(rig.commands.enabled(ui::RestoreDTIPos));
    EXPECT_TRUE(rig.tray.shown);
    EXPECT_TRUE(rig.has("skin 0 0"));
    EXPECT_TRUE(rig.has("build main layouts menu"));
    EXPECT_FALSE(rig.view.reminderShown);
    EXPECT_EQ(rig.view.outerHeight, 479);
}

TEST(MainPresenter_StartUp, TheStartUpSaveComesBeforeTheShapePageMayMoveIcons) {
    MainPresenterRig rig;
    rig.writeSetting(L"Options", L"Save on startup", L"1");
    rig.writeSetting(L"Options", L"Load last shape used", L"1");
    rig.presenter.startUp();
    const std::vector<std::wstring> saved = rig.savedDescriptions();
    EXPECT_NE(std::find(saved.begin(), saved.end(), std::wstring(ui::texts::StartupSaveDescription)), saved.end());
    const int save = rig.indexOf("desktop session");
    const int selection = rig.indexOf("shape start-up selection restoring");
    ASSERT_GE(selection, 0);
    EXPECT_LT(save, selection);
}

TEST(MainPresenter_StartUp, OptionsReachTheWindowTheSkinAndTheTray) {
    MainPresenterRig rig;
    rig.writeSetting(L"Options", L"Transparency", L"140");
    rig.writeSetting(L"Options", L"Auto blend", L"0");
    rig.writeSetting(L"Options", L"Hue", L"200");
    rig.writeSetting(L"Options", L"Saturation", L"-40");
    rig.writeSetting(L"Options", L"Minimize on Tray", L"1");
    rig.writeSetting(L"Settings", L"Knows", L"1");
    rig.presenter.startUp();
    EXPECT_EQ(rig.layer.alphaValue, 140);
    EXPECT_FALSE(rig.layer.blendingOn);
    EXPECT_FALSE(rig.view.autoBlend);
    EXPECT_TRUE(rig.has("skin 200 -40"));
    EXPECT_EQ(rig.view.hintHidePause, 5000);
    // The icon shows from the start: any old one deleted, then added.
    const int record = rig.indexOf("tray record");
    EXPECT_EQ(rig.log[std::size_t(record) + 1], "tray delete");
    EXPECT_EQ(rig.log[std::size_t(record) + 2], "tray add");
    rig.presenter.onShown();
    EXPECT_TRUE(rig.tray.shown);
    // Knows: no reminder bar, and the short window.
    EXPECT_FALSE(rig.view.reminderShown);
    EXPECT_EQ(rig.view.outerHeight, 479);
}

TEST(MainPresenter_StartUp, WithoutMinimizeToTrayNoIconIsLeftOnceTheWindowShows) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    EXPECT_FALSE(rig.has("tray add"));
    rig.presenter.onShown();
    EXPECT_EQ(rig.log.back(), "tray delete");
    EXPECT_FALSE(rig.tray.shown);
}

TEST(MainPresenter_StartUp, TheWindowIsPlacedForItsFinalHeight) {
    // No "Form" section: the bottom-right corner of the work area, for the
    // height the window has once the reminder bar's state is known.
    for (const bool knows : {false, true}) {
        MainPresenterRig rig;
        rig.writeSetting(L"Settings", L"Knows", knows ? L"1" : L"0");
        rig.presenter.startUp();
        const int height = knows ? 479 : 510;
        EXPECT_EQ(rig.view.position, (ui::Point{1920 - 600, 1040 - height}));
        EXPECT_EQ(rig.view.outerHeight, height);
    }
}

TEST(MainPresenter_Tray, MinimisingTucksTheWindowAwayAndLeftClicksToggleIt) {
    MainPresenterRig rig;
    rig.writeSetting(L"Options", L"Minimize on Tray", L"1");
    rig.presenter.startUp();
    rig.log.clear();

    rig.commands.execute(ui::OnMinimizeA);
    EXPECT_EQ(rig.log, (test::EventLog{"hide taskbar button", "tray delete", "tray add"}));
    EXPECT_TRUE(rig.presenter.inTray());

    rig.log.clear();
    EXPECT_TRUE(rig.presenter.onTrayCallback(0x0201));
    EXPECT_EQ(rig.log, (test::EventLog{"show taskbar button", "restore"}));
    rig.commands.execute(ui::OnRestoreA);
    EXPECT_FALSE(rig.presenter.inTray());

    rig.log.clear();
    EXPECT_TRUE(rig.presenter.onTrayCallback(0x0201));
    EXPECT_EQ(rig.log, test::EventLog{"minimize"});

    EXPECT_FALSE(rig.presenter.onTrayCallback(0x0200));  // a mouse move: default handling
}

TEST(MainPresenter_Tray, WithoutMinimizeToTrayAMinimiseIsAnOrdinaryOne) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    rig.log.clear();
    rig.commands.execute(ui::OnMinimizeA);
    EXPECT_TRUE(rig.log.empty());
    EXPECT_FALSE(rig.presenter.inTray());
}

TEST(MainPresenter_Tray, ARightClickPopsTheMenuUpAtThePointerAfterComingToTheFront) {
    for (const bool savedLayout : {false, true}) {
        MainPresenterRig rig;
        rig.writeSetting(L"Settings", L"Knows", L"0");
        if (savedLayout) rig.layouts.SaveLayout(L"12345678", L"kept");
        rig.presenter.startUp();
        rig.log.clear();
        rig.view.cursor = {1500, 1030};
        EXPECT_TRUE(rig.presenter.onTrayCallback(0x0204));
        test::EventLog expected{"foreground"};
        if (savedLayout) expected.push_back("build tray layouts menu");
        expected.push_back(std::string("tray menu at 1500,1030") +
                           (savedLayout ? " with layouts" : " without layouts"));
        EXPECT_EQ(rig.log, expected);
    }
}

TEST(MainPresenter_Reminder, AClickExplainsAndOkHidesTheBarForGood) {
    MainPresenterRig rig;
    rig.writeSetting(L"Settings", L"Knows", L"0");
    rig.presenter.startUp();
    EXPECT_TRUE(rig.view.reminderShown);

    rig.presenter.onReminderBarClicked();
    EXPECT_EQ(rig.notifier.messages.back(), ui::texts::ReminderMessage);

    rig.presenter.onReminderDismissed();
    EXPECT_FALSE(rig.view.reminderShown);
    EXPECT_EQ(rig.view.outerHeight, 479);
    rig.presenter.onDestroyed();
    EXPECT_EQ(rig.profile.raw(MainPresenterRig::SettingsPath, L"Settings", L"Knows"), L"1");
}

TEST(MainPresenter_Reminder, ShowsWhenTheShellArrangesOrSnapsEvenIfDismissedBefore) {
    struct Case {
        bool knows;
        bool shellView;
        ShellFolderFlags flags;
        bool shown;
    };
    const Case cases[] = {
        {true, true, {true, false}, true},   {true, true, {false, true}, true},
        {true, true, {false, false}, false}, {true, false, {true, true}, false},  // no view: the setting alone
        {false, true, {false, false}, true},
    };
    for (const Case& c : cases) {
        MainPresenterRig rig;
        rig.writeSetting(L"Settings", L"Knows", c.knows ? L"1" : L"0");
        rig.shellModel.available = c.shellView;
        rig.shellModel.flags = c.flags;
        rig.presenter.startUp();
        EXPECT_EQ(rig.view.reminderShown, c.shown) << c.knows << c.shellView << c.flags.autoArrange;
        EXPECT_EQ(rig.view.outerHeight, c.shown ? 479 + 31 : 479);
        rig.presenter.onDestroyed();
        // What the user said is kept as it was.
        EXPECT_EQ(rig.profile.raw(MainPresenterRig::SettingsPath, L"Settings", L"Knows"), c.knows ? L"1" : L"0");
    }
}

TEST(MainPresenter_Shutdown, TheStateIsWrittenKeyByKeyInItsOrder) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    rig.view.position = {-7, 33};
    rig.view.autoBlend = false;
    rig.shapePage.state = {L"C:\\Orbilux\\Shapes\\Love\\Heart.shp", 120, 80, 14, -21, 35};
    rig.profile.writes.clear();
    rig.presenter.onDestroyed();

    std::vector<std::wstring> written;
    for (const auto& w : rig.profile.writes) written.push_back(w.section + L"/" + w.key + L"=" + w.value);
    EXPECT_EQ(written, (std::vector<std::wstring>{
                           L"Form/Left=-7", L"Form/Top=33", L"Settings/Knows=0", L"Options/Auto blend=0",
                           L"Settings/SPath=C:\\Orbilux\\Shapes\\Love\\Heart.shp", L"Settings/SWidth=120",
                           L"Settings/SHeight=80", L"Settings/SGap=14", L"Settings/Sdx=-21", L"Settings/Sdy=35"}));
    EXPECT_EQ(rig.log.back(), "tray delete");
}

TEST(MainPresenter_Shutdown, AFailedWriteStopsTheSaveButTheTrayIconStillGoes) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    rig.profile.failingKeys.insert(L"knows");
    rig.profile.writes.clear();
    EXPECT_THROW(rig.presenter.onDestroyed(), SettingsWriteError);
    ASSERT_EQ(rig.profile.writes.size(), 2u);  // Left and Top
    EXPECT_EQ(rig.log.back(), "tray delete");
}

TEST(MainPresenter_Commands, ExitRemovesTheIconLetsMessagesRunThenAsksToQuit) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    rig.log.clear();
    rig.commands.execute(ui::ExitA);
    EXPECT_EQ(rig.log, (test::EventLog{"tray delete", "process messages", "quit"}));
}

TEST(MainPresenter_Commands, TheOptionsDialogAskedForWhileOpenComesToTheFront) {
    MainPresenterRig rig;
    rig.optionsDialog.reenter = [&rig] { rig.commands.execute(ui::OptionsButA); };
    rig.commands.execute(ui::AboutA);
    EXPECT_EQ(rig.log, (test::EventLog{"about dialog", "dialog to front", "dialog closed"}));
    rig.commands.execute(ui::OptionsButA);  // closed: opens again
    EXPECT_EQ(rig.log.back(), "dialog closed");
    EXPECT_EQ(rig.log.size(), 5u);
}

TEST(MainPresenter_Commands, LinksCarryTheirSourceTags) {
    MainPresenterRig rig;
    rig.commands.execute(ui::HelpBtnA);
    rig.commands.execute(ui::HelpMenuItem);
    rig.commands.execute(ui::HomepageMenuItem);
    EXPECT_EQ(rig.links.opened, (std::vector<std::wstring>{L"https://orbilux.test/orbilux/help.html?source=softh",
                                                           L"https://orbilux.test/orbilux/help.html?source=soft",
                                                           L"https://orbilux.test/?source=soft"}));
}

TEST(MainPresenter_Commands, PageButtonsSwitchPagesAndRewriteTheHeader) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    rig.commands.execute(ui::MngSavedLayouts);
    EXPECT_EQ(rig.view.page, ui::Page::Layouts);
    EXPECT_EQ(rig.view.headerTitle, L"Manage Layouts");
    EXPECT_EQ(rig.view.headerDescription, L" - save and restore multiple desktop layouts (60 icons on desktop)");
    EXPECT_EQ(rig.view.descriptionLeft, 127);
    EXPECT_TRUE(rig.has("layouts page shown"));

    rig.commands.execute(ui::AdjustShapeA);
    EXPECT_EQ(rig.view.page, ui::Page::Shape);
    EXPECT_EQ(rig.view.headerTitle, L"Adjust shape");
    EXPECT_EQ(rig.view.headerDescription, L" - browse for shapes and adjust the shape size and position");
    EXPECT_EQ(rig.view.descriptionLeft, 102);
}

TEST(MainPresenter_Commands, AutoBlendFollowsTheCheckBoxAtOnce) {
    MainPresenterRig rig;
    rig.presenter.startUp();
    EXPECT_TRUE(rig.options.AutoBlend);
    rig.presenter.onAutoBlendToggled(false);
    EXPECT_FALSE(rig.options.AutoBlend);
}

}  // namespace
}  // namespace orbilux
