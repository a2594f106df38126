// The options and About dialog's presenter: its four ways of closing, the
// live previews and the held marker, Reset, the version line and a save
// that fails, over the real settings store on in-memory fakes.
#include <gtest/gtest.h>

#include <map>

#include "settings/settings_store.h"
#include "settings/start_with_windows.h"
#include "tests/support/fake_locations.h"
#include "tests/support/fake_profile.h"
#include "tests/support/main_window_fakes.h"
#include "ui/options/options_dialog_presenter.h"

namespace orbilux {
namespace {

using ui::OptionCheck;
using ui::OptionSlider;

class RecordingOptionsView : public ui::OptionsView {
public:
    void showPanel(ui::OptionsMode m) override { mode = m; }
    void setCheck(OptionCheck c, bool on) override { checks[c] = on; }
    bool check(OptionCheck c) override { return checks[c]; }
    void setSlider(OptionSlider s, int32_t value) override {
        sliders[s] = value;
        // A slider set from code reports the change, as the user's move does.
        if (s == OptionSlider::Transparency && presenter) presenter->onTransparencyChanged();
    }
    int32_t slider(OptionSlider s) override { return sliders[s]; }
    void setVersionLine(const std::wstring& text) override { versionLine = text; }
    void setDialogAlpha(uint8_t alpha) override { dialogAlpha = alpha; }
    void setDialogOpaque() override { dialogAlpha = 255; }
    void close() override { closed = true; }

    ui::OptionsDialogPresenter* presenter = nullptr;
    ui::OptionsMode mode = ui::OptionsMode::Options;
    std::map<OptionCheck, bool> checks;
    std::map<OptionSlider, int32_t> sliders;
    std::wstring versionLine;
    int dialogAlpha = 255;  // 255: opaque
    bool closed = false;
};

struct OptionsRig {
    explicit OptionsRig(ui::OptionsMode mode = ui::OptionsMode::Options) : presenter(ports(), mode) {
        view.presenter = &presenter;
        options.Hue = 40;
        options.Saturation = -20;
        skin.apply(options.Hue, options.Saturation);
    }
    ui::OptionsDialogPorts ports() {
        return {
            view, options, skin, mainWindow, settings, links, ui::WebSite{L"https://orbilux.test", L"me@orbilux.test"}};
    }
    std::optional<std::wstring> stored(const wchar_t* key) {
        return profile.raw(L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini", L"Options", key);
    }
    bool runValue() {
        auto key = registry.openKey(RunKeyPath, false);
        return key && key->hasValue(RunValueName);
    }

    RecordingOptionsView view;
    ProgramOptions options;
    test::EventLog log;
    test::LoggingSkin skin{log};
    test::FakeLayer mainWindow;
    test::FakeProfile profile;
    test::FakeRegistry registry;
    test::FakeLocations locations;
    SettingsStore settings{profile, registry, locations};
    test::RecordingLinks links;
    ui::OptionsDialogPresenter presenter;
};

TEST(VersionLine, TheProductVersionShowsWhenItIsNotTheBaseOne) {
    EXPECT_EQ(ui::VersionLine(L"0.9"), L"Version 0.9 (beta)");
    EXPECT_EQ(ui::VersionLine(L"1.0"), L"Version 0.9 (Updated to 1.0 ) (beta)");
    EXPECT_EQ(ui::VersionLine(L"0.9.1.5"), L"Version 0.9 (Updated to 0.9.1.5 ) (beta)");
}

TEST(OptionsDialog, OpeningFillsTheControlsWithoutTouchingTheDialogsAlpha) {
    OptionsRig rig;
    rig.options.Transparency = 90;
    rig.options.ConfirmLoad = false;
    rig.presenter.opened();
    EXPECT_EQ(rig.view.sliders[OptionSlider::Transparency], 90);
    EXPECT_EQ(rig.view.sliders[OptionSlider::Hue], 40);
    EXPECT_FALSE(rig.view.checks[OptionCheck::ConfirmLoad]);
    EXPECT_TRUE(rig.view.checks[OptionCheck::ConfirmSave]);
    EXPECT_EQ(rig.view.dialogAlpha, 255);
    EXPECT_EQ(rig.view.versionLine, L"Version 0.9 (beta)");
}

TEST(OptionsDialog, TheTransparencySliderMakesTheDialogTranslucentOnlyWhileHeld) {
    OptionsRig rig;
    rig.presenter.opened();
    rig.presenter.onTransparencyPressed();
    EXPECT_EQ(rig.view.dialogAlpha, 90);
    rig.view.setSlider(OptionSlider::Transparency, 150);
    EXPECT_EQ(rig.view.dialogAlpha, 150);
    rig.presenter.onTransparencyReleased();
    EXPECT_EQ(rig.view.dialogAlpha, 255);
    rig.view.setSlider(OptionSlider::Transparency, 30);  // the keyboard
    EXPECT_EQ(rig.view.dialogAlpha, 255);
    EXPECT_EQ(rig.mainWindow.alphaValue, 255);  // the main window waits for "Ok"
}

TEST(OptionsDialog, HueAndSaturationPreviewOnReleaseAndCancelUndoesThem) {
    OptionsRig rig;
    rig.presenter.opened();
    rig.view.sliders[OptionSlider::Hue] = 200;
    rig.presenter.onHueReleased();
    rig.view.sliders[OptionSlider::Saturation] = 60;
    rig.presenter.onSaturationReleased();
    EXPECT_EQ(rig.log, (test::EventLog{"skin 40 -20", "skin 200 -20", "skin 200 60"}));
    rig.presenter.onCancel();
    EXPECT_EQ(rig.log.back(), "skin 40 -20");
    EXPECT_TRUE(rig.view.closed);
    EXPECT_FALSE(rig.profile.exists(L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini"));
}

TEST(OptionsDialog, TheCloseBoxStoresNothingAndUndoesNothing) {
    OptionsRig rig;
    rig.presenter.opened();
    rig.view.sliders[OptionSlider::Hue] = 200;
    rig.presenter.onHueReleased();
    rig.presenter.onCloseBox();
    EXPECT_EQ(rig.log.back(), "skin 200 -20");
    EXPECT_EQ(rig.options.Hue, 40);
    EXPECT_FALSE(rig.stored(L"Hue"));
    EXPECT_TRUE(rig.view.closed);
}

TEST(OptionsDialog, ResetThenCancelLeavesTheStoredValues) {
    OptionsRig rig;
    rig.options.Transparency = 90;
    rig.presenter.opened();
    rig.presenter.onReset();
    EXPECT_EQ(rig.view.sliders[OptionSlider::Transparency], 120);
    EXPECT_EQ(rig.view.sliders[OptionSlider::Hue], 0);
    EXPECT_EQ(rig.view.sliders[OptionSlider::Saturation], 0);
    EXPECT_EQ(rig.log.back(), "skin 0 0");
    EXPECT_EQ(rig.view.dialogAlpha, 255);  // setting the slider isn't holding it
    rig.presenter.onCancel();
    EXPECT_EQ(rig.log.back(), "skin 40 -20");
    EXPECT_EQ(rig.options.Transparency, 90);
}

TEST(OptionsDialog, OkStoresTheOptionsSetsTheMainAlphaAndTheRunValueWithoutRecolouring) {
    for (const bool run : {true, false}) {
        OptionsRig rig;
        rig.presenter.opened();
        rig.view.checks[OptionCheck::RunAtStartup] = run;
        rig.view.checks[OptionCheck::MinimizeOnTray] = true;
        EXPECT_TRUE(rig.view.checks[OptionCheck::RestoreOnScreenChange]);  // on unless the user said no
        rig.view.checks[OptionCheck::RestoreOnScreenChange] = false;
        rig.view.sliders[OptionSlider::Transparency] = 200;
        rig.view.sliders[OptionSlider::Hue] = 300;  // moved with the keyboard: no preview
        const std::size_t events = rig.log.size();
        rig.presenter.onOk();
        EXPECT_TRUE(rig.view.closed);
        EXPECT_EQ(rig.log.size(), events);
        EXPECT_EQ(rig.options.Transparency, 200);
        EXPECT_EQ(rig.options.Hue, 300);
        EXPECT_TRUE(rig.options.MinimizeOnTray);
        EXPECT_EQ(rig.mainWindow.alphaValue, 200);
        EXPECT_EQ(rig.stored(L"Transparency"), L"200");
        EXPECT_EQ(rig.stored(L"Minimize on Tray"), L"1");
        EXPECT_FALSE(rig.options.RestoreOnScreenChange);
        EXPECT_EQ(rig.stored(L"Restore icons when the screen changes"), L"0");
        EXPECT_EQ(rig.runValue(), run);
    }
}

TEST(OptionsDialog, OkInAboutModeOnlyCloses) {
    OptionsRig rig(ui::OptionsMode::About);
    rig.presenter.opened();
    EXPECT_EQ(rig.view.mode, ui::OptionsMode::About);
    rig.view.sliders[OptionSlider::Transparency] = 10;
    rig.presenter.onOk();
    EXPECT_TRUE(rig.view.closed);
    EXPECT_EQ(rig.options.Transparency, 90);
    EXPECT_FALSE(rig.stored(L"Transparency"));
}

TEST(OptionsDialog, ASaveThatFailsKeepsTheNewOptionsLeavesTheRunValueAndCloses) {
    OptionsRig rig;
    rig.presenter.opened();
    rig.profile.unwritableFiles.insert(test::FoldCase(L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini"));
    rig.view.checks[OptionCheck::RunAtStartup] = true;
    rig.view.sliders[OptionSlider::Transparency] = 180;
    rig.presenter.onOk();
    EXPECT_TRUE(rig.view.closed);
    EXPECT_EQ(rig.options.Transparency, 180);
    EXPECT_TRUE(rig.options.RunAtStartup);
    EXPECT_FALSE(rig.runValue());
}

TEST(OptionsDialog, TheAboutLinksCarryTheirSourceTag) {
    OptionsRig rig(ui::OptionsMode::About);
    rig.presenter.onSupportMail();
    rig.presenter.onHomepage();
    rig.presenter.onHelp();
    EXPECT_EQ(rig.links.opened,
              (std::vector<std::wstring>{L"mailto:me@orbilux.test", L"https://orbilux.test/?source=soft",
                                         L"https://orbilux.test/orbilux/help.html?source=soft"}));
}

}  // namespace
}  // namespace orbilux
