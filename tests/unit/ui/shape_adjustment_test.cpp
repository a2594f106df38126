// The shape page's adjustment controls: repeat buttons, bars, fit, peek and
// auto blend, over the real engine and an in-memory desktop.
#include <gtest/gtest.h>

#include "tests/support/shape_page_fakes.h"

namespace orbilux {
namespace {

using test::ShapePageRig;
using ui::RepeatButton;
using ui::ShapeBar;

// A rig with Heart loaded and laid out (the second pick moves the icons).
struct LoadedRig : ShapePageRig {
    LoadedRig() {
        folder(L"Love");
        shape(L"Love\\Heart.shp");
        startUp();
        presenter.ShapesListClick(0);
        presenter.ShapesListClick(0);
    }
};

TEST(ShapeAdjustment, APressAndReleaseGrowsTheShapeOnce) {
    LoadedRig rig;
    const ui::Size before = rig.frame();
    const int placements = rig.placements();
    rig.presenter.onRepeatPressed(RepeatButton::IncreaseSize);
    EXPECT_EQ(rig.view.timerInterval, 80);
    rig.presenter.onRepeatReleased();
    EXPECT_EQ(rig.view.timerInterval, 0);
    EXPECT_EQ(rig.placements(), placements + 1);
    // 10 pixels taller, Round(10 x 1920 / 1040) = 18 wider.
    EXPECT_EQ(rig.frame(), (ui::Size{before.width + 18, before.height + 10}));
    rig.presenter.onRepeatTick();  // a tick that arrives late does nothing
    EXPECT_EQ(rig.placements(), placements + 1);
}

TEST(ShapeAdjustment, HoldingForASecondIsThirteenPlacements) {
    LoadedRig rig;
    const int placements = rig.placements();
    rig.presenter.onRepeatPressed(RepeatButton::MoveLeft);
    for (int tick = 0; tick < 12; ++tick) rig.presenter.onRepeatTick();  // one per 80 ms after the first
    rig.presenter.onRepeatReleased();
    EXPECT_EQ(rig.placements(), placements + 13);
    EXPECT_EQ(rig.presenter.sdx(), -13 * 7);
}

TEST(ShapeAdjustment, ADesktopThatGoesAwayWhileHeldEndsTheRepeatWithOneMessage) {
    LoadedRig rig;
    // The shell is gone: the first placement tells the user, and while that
    // box is open the timer's ticks still arrive (its modal loop delivers
    // them); then the quit is requested.
    rig.desktop.onApply = [&rig] {
        rig.desktop.onApply = nullptr;
        rig.notifier.showMessage(L"Cannot handle desktop items.");
        for (int tick = 0; tick < 20; ++tick) rig.presenter.onRepeatTick();
        rig.notifier.requestQuit();
    };
    const int placements = rig.placements();
    rig.presenter.onRepeatPressed(RepeatButton::IncreaseSize);
    EXPECT_EQ(rig.placements(), placements + 1);
    EXPECT_EQ(rig.notifier.messages.size(), 1u);
    EXPECT_FALSE(rig.presenter.repeating());
    EXPECT_EQ(rig.view.timerInterval, 0);
    // Nothing reaches the desktop any more.
    rig.presenter.onRepeatPressed(RepeatButton::MoveLeft);
    rig.presenter.onFit();
    rig.presenter.loadAndSet();
    EXPECT_EQ(rig.placements(), placements + 1);
    EXPECT_FALSE(rig.presenter.repeating());
}

TEST(ShapeAdjustment, MovesAndCentreChangeTheOffsets) {
    struct Case {
        RepeatButton button;
        int32_t dx, dy;
    };
    for (const Case c :
         {Case{RepeatButton::MoveRight, 7, 0}, Case{RepeatButton::MoveUp, 0, -7}, Case{RepeatButton::MoveDown, 0, 7}}) {
        LoadedRig rig;
        rig.presenter.onRepeatPressed(c.button);
        rig.presenter.onRepeatReleased();
        EXPECT_EQ(rig.presenter.sdx(), c.dx);
        EXPECT_EQ(rig.presenter.sdy(), c.dy);
        rig.presenter.onRepeatPressed(RepeatButton::Centre);
        rig.presenter.onRepeatTick();
        rig.presenter.onRepeatReleased();
        EXPECT_EQ(rig.presenter.sdx(), 0);
        EXPECT_EQ(rig.presenter.sdy(), 0);
    }
}

TEST(ShapeAdjustment, TheWidthStepRoundsHalvesToEven) {
    // 10 x 5 / 4 = 12.5 rounds to 12; 10 x 7 / 4 = 17.5 to 18.
    for (const auto& [width, step] : {std::pair{5, 12}, std::pair{7, 18}}) {
        ShapePageRig rig;
        rig.screen.area = {0, 0, width * 100, 400};  // WAW / WAH = width / 4
        rig.folder(L"Love");
        rig.shape(L"Love\\Heart.shp");
        rig.startUp();
        rig.presenter.ShapesListClick(0);
        const int32_t before = rig.frame().width;
        rig.presenter.onRepeatPressed(RepeatButton::DecreaseSize);
        rig.presenter.onRepeatReleased();
        EXPECT_EQ(before - rig.frame().width, step) << width;
    }
}

TEST(ShapeAdjustment, DecreasingStopsTheHeightAtZeroWhileTheWidthStillShrinks) {
    LoadedRig rig;
    rig.presenter.onRepeatPressed(RepeatButton::DecreaseSize);
    while (rig.frame().height > 0) rig.presenter.onRepeatTick();
    const int32_t width = rig.frame().width;
    ASSERT_GT(width, 0);
    rig.presenter.onRepeatTick();
    EXPECT_EQ(rig.frame().height, 0);
    EXPECT_LT(rig.frame().width, width);
    rig.presenter.onRepeatReleased();
}

TEST(ShapeAdjustment, FitRecentresAtSevenEighthsWithOnePlacement) {
    LoadedRig rig;
    rig.presenter.onRepeatPressed(RepeatButton::MoveDown);
    rig.presenter.onRepeatReleased();
    const int placements = rig.placements();
    const int32_t gap = rig.presenter.bar(ShapeBar::Gap).position();
    rig.presenter.onFit();
    EXPECT_EQ(rig.placements(), placements + 1);
    EXPECT_EQ(rig.frame(), (ui::Size{1920 - 240, 1040 - 130}));
    EXPECT_EQ(rig.presenter.sdx(), 0);
    EXPECT_EQ(rig.presenter.sdy(), 0);
    EXPECT_EQ(rig.presenter.bar(ShapeBar::Gap).position(), gap);
}

TEST(ShapeAdjustment, EveryBarRequestIsOnePlacement) {
    struct Case {
        ShapeBar bar;
        ui::ScrollRequest request;
        int32_t moved;  // the change in position
    };
    const Case cases[] = {
        {ShapeBar::Width, ui::ScrollRequest::LineForward, 50}, {ShapeBar::Height, ui::ScrollRequest::LineBack, -50},
        {ShapeBar::Height, ui::ScrollRequest::PageForward, 1}, {ShapeBar::Gap, ui::ScrollRequest::LineForward, 1},
        {ShapeBar::Gap, ui::ScrollRequest::PageBack, -1},
    };
    for (const Case& c : cases) {
        LoadedRig rig;
        rig.presenter.onScroll(ShapeBar::Gap, ui::ScrollRequest::Thumb, 70);  // room both ways
        const int32_t position = rig.presenter.bar(c.bar).position();
        const int placements = rig.placements();
        rig.presenter.onScroll(c.bar, c.request, 0);
        EXPECT_EQ(rig.presenter.bar(c.bar).position(), position + c.moved);
        EXPECT_EQ(rig.placements(), placements + 1);
    }
}

TEST(ShapeAdjustment, EachGestureIsOneActionHoweverManyPlacements) {
    using Events = std::vector<std::string>;
    const Events adjust{"begin adjust", "end adjust"};
    struct Case {
        const char* what;
        void (*gesture)(ui::ShapePagePresenter&);
        Events expected;
    };
    const Case cases[] = {
        {"a button held for a second",
         [](ui::ShapePagePresenter& p) {
             p.onRepeatPressed(RepeatButton::IncreaseSize);
             for (int tick = 0; tick < 12; ++tick) p.onRepeatTick();
             p.onRepeatReleased();
         },
         adjust},
        {"a thumb dragged",
         [](ui::ShapePagePresenter& p) {
             for (const int32_t at : {60, 65, 70}) p.onScroll(ShapeBar::Gap, ui::ScrollRequest::Thumb, at);
             p.onScroll(ShapeBar::Gap, ui::ScrollRequest::End, 0);
         },
         adjust},
        {"an arrow clicked",
         [](ui::ShapePagePresenter& p) {
             p.onScroll(ShapeBar::Width, ui::ScrollRequest::LineForward, 0);
             p.onScroll(ShapeBar::Width, ui::ScrollRequest::End, 0);
         },
         adjust},
        {"fit", [](ui::ShapePagePresenter& p) { p.onFit(); }, adjust},
        {"the shape picked again", [](ui::ShapePagePresenter& p) { p.ShapesListClick(0); },
         Events{"begin load", "end load"}},
    };
    for (const Case& c : cases) {
        LoadedRig rig;
        rig.actionLog.events.clear();
        c.gesture(rig.presenter);
        EXPECT_EQ(rig.actionLog.events, c.expected) << c.what;
    }
}

TEST(ShapeAdjustment, OnceTheProgramIsEndingAnActionsEndReachesNoOne) {
    LoadedRig rig;
    rig.actionLog.events.clear();
    rig.presenter.onRepeatPressed(RepeatButton::IncreaseSize);
    rig.notifier.requestQuit();
    rig.presenter.onRepeatReleased();
    rig.presenter.onFit();
    EXPECT_EQ(rig.actionLog.events, std::vector<std::string>{"begin adjust"});
}

TEST(ShapeAdjustment, TheFirstPickMovesNothingAndIsNoAction) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.shape(L"Love\\Heart.shp");
    rig.startUp();
    rig.presenter.ShapesListClick(0);
    EXPECT_TRUE(rig.actionLog.events.empty());
}

TEST(ShapeAdjustment, NoShapeLoadedMeansBarsMoveButNothingIsPlaced) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.shape(L"Love\\Heart.shp");
    rig.startUp();
    rig.presenter.onScroll(ShapeBar::Width, ui::ScrollRequest::LineForward, 0);
    EXPECT_TRUE(rig.desktop.calls.empty());
}

TEST(ShapeAdjustment, AutoBlendWhileHeldAndPeekAtAlphaTen) {
    for (const bool autoBlend : {true, false}) {
        LoadedRig rig;
        rig.options.AutoBlend = autoBlend;
        rig.layer.alphaValue = 90;
        rig.presenter.onRepeatPressed(RepeatButton::IncreaseSize);
        EXPECT_EQ(rig.layer.blendingOn, autoBlend);
        rig.presenter.onRepeatReleased();
        EXPECT_FALSE(rig.layer.blendingOn);
        rig.presenter.onBarPressed();
        EXPECT_EQ(rig.layer.blendingOn, autoBlend);
        rig.presenter.onBarReleased();
        EXPECT_FALSE(rig.layer.blendingOn);

        rig.presenter.onPeekEntered();
        EXPECT_TRUE(rig.layer.blendingOn);
        EXPECT_EQ(rig.layer.alphaValue, 10);
        rig.presenter.onPeekLeft();
        EXPECT_FALSE(rig.layer.blendingOn);
        EXPECT_EQ(rig.layer.alphaValue, 90);
    }
}

}  // namespace
}  // namespace orbilux
