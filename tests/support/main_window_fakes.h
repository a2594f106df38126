// Fakes for the main window's presenter: a view and ports that write what
// they are asked to do into one shared event log, so tests can check the
// order of things across all of them, and a rig that wires a MainPresenter
// to them and to the real settings and layout stores over in-memory fakes.
#pragma once

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_store.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/fake_locations.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_shell_icon_model.h"
#include "ui/main/main_presenter.h"

namespace orbilux::test {

using EventLog = std::vector<std::string>;

inline std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

class LoggingNotifier : public UserNotifier {
public:
    explicit LoggingNotifier(EventLog& log) : log_(log) {}
    // The first line of the message is enough to tell them apart.
    void showMessage(const std::wstring& text) override {
        messages.push_back(text);
        log_.push_back("message " + Narrow(text.substr(0, text.find(L'\r'))));
    }
    void requestQuit() override {
        log_.push_back("quit");
        quit = true;
    }
    bool quitRequested() const override { return quit; }
    std::vector<std::wstring> messages;
    bool quit = false;

private:
    EventLog& log_;
};

class RecordingMainView : public ui::MainView {
public:
    explicit RecordingMainView(EventLog& log) : log_(log) {}

    void setTitle(const std::wstring& text) override { title = text; }
    void setHintHidePause(int ms) override { hintHidePause = ms; }
    void setAutoBlendChecked(bool checked) override { autoBlend = checked; }
    bool autoBlendChecked() override { return autoBlend; }
    // 600 wide; the height in physical pixels equals the logical one (96 DPI).
    ui::Size outerSizeFor(int logicalOuterHeight) override { return {600, logicalOuterHeight}; }
    void setOuterHeight(int logical) override {
        outerHeight = logical;
        log_.push_back("outer height " + std::to_string(logical));
    }
    void moveTo(ui::Point topLeft) override {
        position = topLeft;
        log_.push_back("move to " + std::to_string(topLeft.x) + "," + std::to_string(topLeft.y));
    }
    ui::Point normalPosition() override { return position; }
    void showReminderBar(bool shown) override { reminderShown = shown; }
    void showPage(ui::Page p) override { page = p; }
    void setHeader(const std::wstring& t, const std::wstring& d, int left) override {
        headerTitle = t;
        headerDescription = d;
        descriptionLeft = left;
    }
    void minimize() override { log_.push_back("minimize"); }
    void restore() override { log_.push_back("restore"); }
    void hideTaskbarButton() override { log_.push_back("hide taskbar button"); }
    void showTaskbarButton() override { log_.push_back("show taskbar button"); }
    ui::Point cursorPosition() override { return cursor; }
    void bringToForeground() override { log_.push_back("foreground"); }
    void popUpTrayMenu(ui::Point at, bool restoreLayoutsEnabled) override {
        log_.push_back("tray menu at " + std::to_string(at.x) + "," + std::to_string(at.y) +
                       (restoreLayoutsEnabled ? " with layouts" : " without layouts"));
    }
    void processPendingMessages() override { log_.push_back("process messages"); }

    std::wstring title;
    int hintHidePause = 0;
    bool autoBlend = false;
    int outerHeight = 0;
    ui::Point position{-999, -999};
    bool reminderShown = true;
    ui::Page page = ui::Page::Shape;
    std::wstring headerTitle, headerDescription;
    int descriptionLeft = 0;
    ui::Point cursor{300, 700};

private:
    EventLog& log_;
};

class LoggingTray : public ui::TrayIconPort {
public:
    explicit LoggingTray(EventLog& log) : log_(log) {}
    void fillRecord() override { log_.push_back("tray record"); }
    void addIcon() override {
        shown = true;
        log_.push_back("tray add");
    }
    void deleteIcon() override {
        shown = false;
        log_.push_back("tray delete");
    }
    bool shown = false;

private:
    EventLog& log_;
};

class FakeLayer : public ui::WindowLayer {
public:
    void setAlpha(uint8_t a) override { alphaValue = a; }
    uint8_t alpha() const override { return alphaValue; }
    void setBlending(bool on) override { blendingOn = on; }
    bool blending() const override { return blendingOn; }
    uint8_t alphaValue = 255;
    bool blendingOn = false;
};

class RecordingLinks : public ui::LinkOpener {
public:
    void openAddress(const std::wstring& address) override { opened.push_back(address); }
    std::vector<std::wstring> opened;
};

class FakeScreenInfo : public ui::ScreenInfo {
public:
    ui::Rect workArea() override { return area; }
    bool onAnyMonitor(const ui::Rect& rect) override { return rect.intersects(monitor); }
    int32_t taskbarAllowance() override { return allowance; }
    ui::Rect area{0, 0, 1920, 1040};
    ui::Rect monitor{0, 0, 1920, 1080};
    int32_t allowance = 55;  // a 40-pixel taskbar and 15
};

class FakeFiles : public ui::FileSystem {
public:
    explicit FakeFiles(const FakeProfile& profile) : profile_(profile) {}
    // The settings file exists once the fake profile holds it.
    bool fileExists(const std::wstring& path) override { return profile_.exists(path); }
    std::vector<ui::DirectoryEntry> listDirectory(const std::wstring&, const std::wstring&) override { return {}; }

private:
    const FakeProfile& profile_;
};

class LoggingSkin : public ui::Skin {
public:
    explicit LoggingSkin(EventLog& log) : log_(log) {}
    void apply(int32_t hue, int32_t saturation) override {
        Skin::apply(hue, saturation);
        log_.push_back("skin " + std::to_string(hue) + " " + std::to_string(saturation));
    }

private:
    EventLog& log_;
};

// The desktop's item count for the icon guard, logged.
class LoggingDesktop : public FakeDesktop {
public:
    LoggingDesktop(EventLog& log, int32_t count) : FakeDesktop(count), log_(log) {}
    int32_t DesktopItemCount() override {
        log_.push_back("count");
        return FakeDesktop::DesktopItemCount();
    }

private:
    EventLog& log_;
};

// The layout store's desktop, logging every session a save or restore opens.
class LoggingShellDesktop : public FakeShellDesktop {
public:
    explicit LoggingShellDesktop(EventLog& log) : log_(log) {}
    std::unique_ptr<DesktopSession> open(DesktopOpenResult& result, DesktopUse use) override {
        log_.push_back("desktop session");
        return FakeShellDesktop::open(result, use);
    }

private:
    EventLog& log_;
};

class LoggingShapePage : public ui::ShapePageSeam {
public:
    explicit LoggingShapePage(EventLog& log) : log_(log) {}
    void resetOffsets() override { log_.push_back("shape reset offsets"); }
    void setSizeBarRanges() override { log_.push_back("shape size bar ranges"); }
    void startUpSelection(const SettingsFile&, bool loadLastShape) override {
        log_.push_back(std::string("shape start-up selection") + (loadLastShape ? " restoring" : ""));
        if (failSelection) throw std::runtime_error("the remembered shape can't be read");
    }
    ui::ShapeState stateToSave() override { return state; }
    void pageShown() override { log_.push_back("shape page shown"); }
    void loadAndSet() override { log_.push_back("shape load"); }
    ui::ShapeState state;
    bool failSelection = false;

private:
    EventLog& log_;
};

class LoggingLayoutsPage : public ui::LayoutsSeam {
public:
    explicit LoggingLayoutsPage(EventLog& log) : log_(log) {}
    void buildSavedLayoutsMenu(ui::SavedLayoutsMenu menu) override {
        log_.push_back(menu == ui::SavedLayoutsMenu::Main ? "build main layouts menu" : "build tray layouts menu");
    }
    void quickSave() override { log_.push_back("quick save"); }
    void pageShown() override { log_.push_back("layouts page shown"); }

private:
    EventLog& log_;
};

// The options dialog, which the tray menu may ask for again while it is
// open (`reenter` runs inside the first opening).
class LoggingOptionsDialog : public ui::OptionsSeam {
public:
    explicit LoggingOptionsDialog(EventLog& log) : log_(log) {}
    void open(ui::OptionsMode mode) override {
        log_.push_back(mode == ui::OptionsMode::Options ? "options dialog" : "about dialog");
        if (reenter) std::exchange(reenter, nullptr)();
        log_.push_back("dialog closed");
    }
    void bringToFront() override { log_.push_back("dialog to front"); }
    std::function<void()> reenter;

private:
    EventLog& log_;
};

struct MainPresenterRig {
    static constexpr const wchar_t* SettingsPath = L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini";

    explicit MainPresenterRig(int32_t icons = 60) : desktop(log, icons) {
        clock.now = LocalDateTime{2026, 12, 9, 10, 30, 0};
        for (int32_t i = 0; i < icons; ++i) shell.add(L"Icon " + std::to_wstring(i), 10 * i, 20);
        presenter.plugIn(shapePage);
        presenter.plugIn(layoutsPage);
        presenter.plugIn(optionsDialog);
    }

    // A settings file as an earlier run left it.
    void writeSetting(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
        profile.writeString(SettingsPath, section, key, value);
        profile.writes.clear();
    }
    bool has(const std::string& event) const {
        for (const std::string& e : log)
            if (e == event) return true;
        return false;
    }
    // The position of the first event that starts with `prefix`; -1 when none.
    int indexOf(const std::string& prefix) const {
        for (std::size_t i = 0; i < log.size(); ++i)
            if (log[i].rfind(prefix, 0) == 0) return int(i);
        return -1;
    }
    std::vector<std::wstring> savedDescriptions() {
        std::vector<std::wstring> descriptions;
        for (const std::wstring& id : layouts.ListLayoutIds()) {
            LayoutInfo info;
            if (layouts.ReadLayoutInfo(id, info)) descriptions.push_back(info.description);
        }
        return descriptions;
    }

    EventLog log;
    RecordingMainView view{log};
    ui::CommandTable commands;
    ProgramOptions options;
    FakeProfile profile;
    FakeRegistry registry;
    FakeLocations locations;
    SettingsStore settings{profile, registry, locations};
    LoggingShellDesktop shell{log};
    LoggingNotifier notifier{log};
    FixedClock clock;
    FixedLocale locale;
    FixedScreen screen;
    SteppingTicks ticks;
    LayoutStore layouts{LayoutStorePorts{registry, shell, notifier, clock, locale, screen, ticks}};
    LoggingDesktop desktop;
    LoggingTray tray{log};
    FakeLayer layer;
    RecordingLinks links;
    FakeScreenInfo screenInfo;
    FakeFiles files{profile};
    LoggingSkin skin{log};
    LoggingShapePage shapePage{log};
    LoggingLayoutsPage layoutsPage{log};
    FakeShellIconModel shellModel;
    LoggingOptionsDialog optionsDialog{log};
    ui::MainPresenter presenter{ui::MainPresenterPorts{view, commands, options, settings, layouts, desktop, notifier,
                                                       tray, layer, links, screenInfo, files, skin, shellModel,
                                                       ui::WebSite{L"https://orbilux.test", L"help@orbilux.test"}}};
};

}  // namespace orbilux::test
