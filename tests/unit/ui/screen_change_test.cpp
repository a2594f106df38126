#include <gtest/gtest.h>

#include <map>

#include "tests/support/automatic_layouts_rig.h"
#include "tests/support/fake_profile.h"
#include "tests/support/main_window_fakes.h"
#include "ui/screen/screen_change_presenter.h"

namespace orbilux {
namespace {

using ui::ProgramTimer;

class FakeTimers : public ui::TimerPort {
public:
    void startTimer(ProgramTimer timer, uint32_t intervalMs) override {
        running[timer] = intervalMs;
        ++starts[timer];
    }
    void stopTimer(ProgramTimer timer) override { running.erase(timer); }
    bool isRunning(ProgramTimer timer) const { return running.count(timer) != 0; }
    std::map<ProgramTimer, uint32_t> running;
    std::map<ProgramTimer, int> starts;
};

// Fits its shape as the real page does: as one action.
class RefitCountingShapePage : public ui::ShapePageSeam {
public:
    explicit RefitCountingShapePage(IconActions& actions) : actions_(actions) {}
    bool refitToScreen() override {
        ++refits;
        if (shapeLoaded) {
            actions_.begin(IconActionKind::ShapeAdjust);
            actions_.end();
        }
        return shapeLoaded;
    }
    bool shapeLoaded = false;
    int refits = 0;

private:
    IconActions& actions_;
};

constexpr const wchar_t* SettingsPath = L"C:\\users\\ann\\Documents\\Orbilux\\Settings.ini";

class ScreenChange : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 20; ++i) rig.desktop.add(L"Icon " + std::to_wstring(i), 0, 0);
        presenter.plugIn(shapePage);
        actions.addObserver(presenter);
        // Both sizes have their automatic layout; the program runs on the smaller.
        setScreen(1920, 1080);
        rig.placeIcons(500);
        rig.automatic.refresh();
        setScreen(1280, 1024);
        rig.placeIcons(10);
        rig.automatic.refresh();
    }
    void setScreen(int32_t width, int32_t height) {
        rig.setScreen(width, height);
        screen.area = {0, 0, width, height - 40};
    }
    void startUp() {
        SettingsFile file(profile, SettingsPath);
        presenter.startUp(file);
    }
    // What Windows does to the icons on a change.
    void scramble() {
        for (DesktopItem& item : rig.desktop.items) std::swap(item.x, item.y);
    }
    std::size_t moves() const { return rig.desktop.positionCalls.size(); }

    test::AutomaticLayoutsRig rig;
    test::FakeProfile profile;
    test::FakeScreenInfo screen;
    FakeTimers timers;
    ProgramOptions options;
    IconActions actions;
    RefitCountingShapePage shapePage{actions};
    ui::ScreenChangePresenter presenter{
        ui::ScreenChangePorts{timers, rig.reported, screen, rig.desktop, rig.store, rig.automatic, options, actions}};
};

TEST_F(ScreenChange, ABurstOfChangesRestoresOnceWhenItHasSettled) {
    startUp();
    setScreen(1920, 1080);
    scramble();
    const int changes = rig.registry.changes();
    for (int i = 0; i < 3; ++i) presenter.onScreenChanged();
    EXPECT_EQ(timers.starts[ProgramTimer::ScreenSettle], 3);
    EXPECT_EQ(timers.running[ProgramTimer::ScreenSettle], ui::ScreenSettleMs);

    // Nothing is saved while the change settles: it would keep the scramble.
    presenter.onCheckTimer();
    presenter.iconsMoved(IconActionKind::ShapeAdjust);
    EXPECT_EQ(rig.registry.changes(), changes);
    EXPECT_EQ(moves(), 0u);

    presenter.onSettleTimer();
    EXPECT_EQ(moves(), rig.desktop.items.size());
    test::AutomaticLayoutsRig expected;
    for (int i = 0; i < 20; ++i) expected.desktop.add(L"", 0, 0);
    expected.placeIcons(500);
    EXPECT_EQ(rig.positions(), expected.positions());
    EXPECT_FALSE(timers.isRunning(ProgramTimer::ScreenSettle));
    EXPECT_FALSE(presenter.settling());

    presenter.onSettleTimer();  // a late tick
    EXPECT_EQ(moves(), rig.desktop.items.size());
}

// A desktop whose size changed before the system's metrics followed: the
// size the change reports is the one restored, and its layout the one kept.
TEST_F(ScreenChange, TheSizeTheDisplayChangeReportsIsBelieved) {
    startUp();
    scramble();
    presenter.onDisplayChanged({1920, 1080});
    presenter.onSettleTimer();
    test::AutomaticLayoutsRig expected;
    for (int i = 0; i < 20; ++i) expected.desktop.add(L"", 0, 0);
    expected.placeIcons(500);
    EXPECT_EQ(rig.positions(), expected.positions());
    // The system's own size moving on is believed again.
    setScreen(1024, 768);
    EXPECT_EQ(rig.reported.primaryScreenSize().width, 1024);
}

TEST_F(ScreenChange, AChangeBackBeforeTheWaitEndsCancelsIt) {
    startUp();
    setScreen(1920, 1080);
    presenter.onScreenChanged();
    setScreen(1280, 1024);
    presenter.onScreenChanged();
    presenter.onSettleTimer();
    EXPECT_EQ(moves(), 0u);
    EXPECT_EQ(shapePage.refits, 0);
    EXPECT_FALSE(presenter.settling());
}

TEST_F(ScreenChange, WaitsUntilTheDesktopsItemCountHoldsStill) {
    startUp();
    setScreen(1920, 1080);
    presenter.onScreenChanged();
    rig.desktop.add(L"Icon 20", 3, 3);  // the shell is still adding items
    presenter.onSettleTimer();
    EXPECT_EQ(moves(), 0u);
    EXPECT_TRUE(timers.isRunning(ProgramTimer::ScreenSettle));
    presenter.onSettleTimer();
    EXPECT_GT(moves(), 0u);
}

// With no layout of the new size: the loaded shape is fitted to it, or
// nothing changes; with the option off nothing is restored at all.
struct FallbackCase {
    const char* name;
    bool option;
    bool shapeLoaded;
    int expectedRefits;
};

class ScreenChange_Fallback : public ScreenChange, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(ScreenChange_Fallback, FitsALoadedShapeOrLeavesTheIcons) {
    const FallbackCase& c = GetParam();
    options.RestoreOnScreenChange = c.option;
    shapePage.shapeLoaded = c.shapeLoaded;
    startUp();
    setScreen(1024, 768);
    presenter.onScreenChanged();
    presenter.onSettleTimer();
    EXPECT_EQ(moves(), 0u);
    EXPECT_EQ(shapePage.refits, c.expectedRefits);
    // A refitted shape is the new size's first automatic layout.
    EXPECT_EQ(rig.automatic.existingId({1024, 768}).empty(), !(c.shapeLoaded && c.option));
}

INSTANTIATE_TEST_SUITE_P(Cases, ScreenChange_Fallback,
                         ::testing::Values(FallbackCase{"ShapeLoaded", true, true, 1},
                                           FallbackCase{"NoShape", true, false, 1},
                                           FallbackCase{"OptionOff", false, true, 0}),
                         [](const ::testing::TestParamInfo<FallbackCase>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(ScreenChange, StartingOnAnotherScreenSizeRestoresThatSizesLayout) {
    {
        SettingsFile file(profile, SettingsPath);
        file.write(keys::ScreenWidth, 1920);
        file.write(keys::ScreenHeight, 1080);
    }
    scramble();
    startUp();
    EXPECT_TRUE(timers.isRunning(ProgramTimer::AutomaticLayoutCheck));
    EXPECT_TRUE(presenter.settling());
    presenter.onSettleTimer();
    test::AutomaticLayoutsRig expected;
    for (int i = 0; i < 20; ++i) expected.desktop.add(L"", 0, 0);
    expected.placeIcons(10);
    EXPECT_EQ(rig.positions(), expected.positions());

    SettingsFile file(profile, SettingsPath);
    presenter.shutDown(file);
    EXPECT_EQ(file.read(keys::ScreenWidth), 1280);
    EXPECT_FALSE(timers.isRunning(ProgramTimer::AutomaticLayoutCheck));
}

}  // namespace
}  // namespace orbilux
