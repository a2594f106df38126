// The shape page's browser: groups from the folders, the shape list, loads,
// the start-up selection, over a fake file system and the real engine.
#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "tests/support/shape_page_fakes.h"
#include "ui/control_ids.h"
#include "ui/shape/shape_folders.h"

namespace orbilux {
namespace {

using test::ShapePageRig;
using ui::ShapeBar;
using Lines = std::vector<std::wstring>;

TEST(ShapeListLine, TheFirstLowerCaseExtensionGoesOnce) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\S\\A\\Heart.shp", L"Heart"},
        {L"C:\\S\\A\\HEART.SHP", L"HEART.SHP"},
        {L"C:\\S\\A\\Twice.shp.shp", L"Twice.shp"},
        {L"C:\\S\\A\\my.shp backup.shp", L"my backup.shp"},
    };
    for (const auto& [path, line] : cases) EXPECT_EQ(ui::ShapeListLine(path), line);
}

TEST(ShapePage_Hints, TheGapBarAndFitShowTheirHints) {
    ShapePageRig rig;
    EXPECT_EQ(rig.view.hints, (std::map<uint16_t, std::wstring>{
                                  {ui::GapBar,
                                   L"Set the space between 2 appropiate icons.\r\nUseful to increase the shape quality "
                                   L"when\r\nthe icons number is too high or too low."},
                                  {ui::FitButton, L"Fit the shape to screen size"}}));
}

TEST(ShapeBrowser, GroupsFollowTheFileSystemsOrderAndSkipHiddenAndSystemFolders) {
    ShapePageRig rig;
    rig.folder(L"Animals");
    rig.folder(L"Birds");
    rig.folder(L"Secret", ShapePageRig::Folder | ui::file_attributes::Hidden);
    rig.folder(L"Secret\\Inside");
    rig.folder(L"Windows", ShapePageRig::Folder | ui::file_attributes::System);
    rig.folder(L"Animals\\Cats");
    rig.folder(L"Animals\\Dogs");
    rig.folder(L"Animals\\Cats\\Cats");
    rig.shape(L"Loose.shp");  // in the root: no group
    rig.shape(L"Birds\\Owl.shp");
    rig.shape(L"Animals\\Cats\\Tabby.shp");
    rig.shape(L"Animals\\Cats\\Cats\\Kitten.shp");
    rig.shape(L"Animals\\Dogs\\Pug.shp", ShapePageRig::File | ui::file_attributes::Hidden);
    rig.files.add(rig.root + L"\\Animals\\Fake.shp", ShapePageRig::Folder);  // a folder, not a shape
    rig.shape(L"Animals\\Lion.shp");
    rig.startUp();

    // A folder named like a shape is a group, but no shape.
    EXPECT_EQ(rig.view.groups, (Lines{L"All shapes", L"Animals", L"Birds", L"Cats", L"Dogs", L"Fake.shp", L"Cats"}));
    EXPECT_EQ(rig.view.selectedGroup, 0);
    // "All shapes": each group's shapes as a block, in group order.
    EXPECT_EQ(rig.view.lines, (Lines{L"Lion", L"Owl", L"Tabby", L"Pug", L"Kitten"}));
    EXPECT_EQ(rig.window.title, L"Orbilux - 5 shapes in All shapes");

    rig.presenter.ShapeGroupsChange(6);  // the inner Cats
    EXPECT_EQ(rig.view.lines, Lines{L"Kitten"});
    EXPECT_EQ(rig.window.title, L"Orbilux - 1 shapes in Cats");
}

TEST(ShapeBrowser, NoShapesFolderLeavesOnlyAllShapes) {
    ShapePageRig rig;
    rig.root += L"Missing";
    test::FakeFileSystem empty;
    rig.files = empty;
    rig.startUp();
    EXPECT_EQ(rig.view.groups, Lines{L"All shapes"});
    EXPECT_TRUE(rig.view.lines.empty());
    EXPECT_EQ(rig.window.title, L"Orbilux - 0 shapes in All shapes");
}

TEST(ShapeBrowser, TheFirstPickAfterAFreshStartMovesNothingTheSecondDoes) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.shape(L"Love\\Heart.shp");
    rig.startUp();
    // The default frame: four fifths of the work area (1920 x 1040).
    EXPECT_EQ(rig.frame(), (ui::Size{1536, 832}));
    EXPECT_EQ(rig.presenter.loadMode(), ui::LoadMode::NoMove);

    rig.presenter.ShapesListClick(0);
    EXPECT_EQ(rig.placements(), 0);
    EXPECT_EQ(rig.window.title, L"Orbilux - 'Heart' shape from All shapes");
    EXPECT_EQ(rig.view.caption, L"Adjust Shape ( Heart )");
    // The engine's suggestion for 60 icons on one path (and one fixed point).
    const auto& gap = rig.presenter.bar(ShapeBar::Gap);
    EXPECT_EQ(gap.position(), 60);
    EXPECT_EQ(gap.min(), 60);
    EXPECT_EQ(gap.max(), 90);
    EXPECT_TRUE(gap.enabled());
    EXPECT_TRUE(rig.view.buttonsEnabled);

    rig.presenter.ShapesListClick(0);
    EXPECT_EQ(rig.placements(), 1);
}

TEST(ShapeBrowser, AGroupSwitchKeepsTheLoadedShapeUntilTheNextLoad) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.folder(L"Nature");
    const std::wstring heart = rig.shape(L"Love\\Heart.shp");
    const std::wstring leaf = rig.shape(L"Nature\\Leaf.shp");
    rig.startUp();
    rig.presenter.ShapesListClick(0);
    rig.presenter.ShapesListClick(0);

    rig.presenter.ShapeGroupsChange(2);  // Nature
    EXPECT_EQ(rig.view.lines, Lines{L"Leaf"});
    EXPECT_EQ(rig.presenter.currentShapeIndex(), -1);
    EXPECT_EQ(rig.presenter.shapePath(), heart);
    const int before = rig.placements();
    rig.presenter.onRepeatPressed(ui::RepeatButton::MoveRight);
    rig.presenter.onRepeatReleased();
    EXPECT_EQ(rig.placements(), before + 1);

    rig.presenter.loadAndSet();  // "Refresh shape": the first shape of the new list
    EXPECT_EQ(rig.presenter.shapePath(), leaf);
}

TEST(ShapeBrowser, AnEmptyGroupDisablesTheControlsUntilTheNextLoad) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.folder(L"Empty");
    rig.shape(L"Love\\Heart.shp");
    rig.startUp();
    rig.presenter.ShapesListClick(0);
    rig.presenter.ShapeGroupsChange(2);
    EXPECT_FALSE(rig.view.captionEnabled);
    EXPECT_FALSE(rig.view.buttonsEnabled);
    EXPECT_FALSE(rig.presenter.bar(ShapeBar::Width).enabled());
    EXPECT_EQ(rig.window.title, L"Orbilux - 0 shapes in Empty");

    rig.presenter.ShapeGroupsChange(1);  // shapes again, but nothing loaded yet
    EXPECT_EQ(rig.view.lines, Lines{L"Heart"});
    EXPECT_FALSE(rig.view.buttonsEnabled);
}

TEST(ShapeBrowser, RefreshResetsTheGapButKeepsTheSize) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.shape(L"Love\\Heart.shp");
    rig.startUp();
    rig.presenter.ShapesListClick(0);
    rig.presenter.onScroll(ShapeBar::Gap, ui::ScrollRequest::Thumb, 80);
    rig.presenter.onScroll(ShapeBar::Width, ui::ScrollRequest::LineForward, 0);
    const ui::Size frame = rig.frame();

    rig.presenter.loadAndSet();
    EXPECT_EQ(rig.presenter.bar(ShapeBar::Gap).position(), 60);
    EXPECT_EQ(rig.frame(), frame);
}

TEST(ShapeBrowser, TheRememberedShapeIsLaidOutAgainWithItsFrameAndGap) {
    struct Case {
        const wchar_t* storedGap;
        int32_t appliedGap;  // the design range 1..100 clamps it
        int32_t barMin, barMax;
    };
    const Case cases[] = {
        {L"70", 70, 60, 105},
        {L"150", 100, 60, 150},
        {L"0", 1, 60, 60},  // the engine's minimum is above 1 + 0: the range is that one value
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test::Narrow(c.storedGap));
        ShapePageRig rig;
        rig.folder(L"Basic");
        rig.folder(L"Love");
        rig.shape(L"Basic\\Circle.shp");
        rig.shape(L"Love\\Star.shp");
        const std::wstring heart = rig.shape(L"Love\\Heart.shp");
        rig.remember(L"SPath", heart.substr(0, heart.size() - 9) + L"HEART.shp");  // case is ignored
        rig.remember(L"SWidth", L"400");
        rig.remember(L"SHeight", L"300");
        rig.remember(L"SGap", c.storedGap);
        rig.remember(L"Sdx", L"-35");
        rig.remember(L"Sdy", L"14");
        rig.startUp();

        EXPECT_EQ(rig.view.selectedGroup, 2);
        EXPECT_EQ(rig.view.selectedLine, 1);
        EXPECT_EQ(rig.view.caption, L"Adjust shape ( Heart )");
        EXPECT_EQ(rig.presenter.bar(ShapeBar::Width).position(), 400);
        EXPECT_EQ(rig.presenter.bar(ShapeBar::Height).position(), 300);
        EXPECT_EQ(rig.presenter.sdx(), -35);
        EXPECT_EQ(rig.presenter.sdy(), 14);
        EXPECT_EQ(rig.presenter.bar(ShapeBar::Gap).min(), c.barMin);
        EXPECT_EQ(rig.presenter.bar(ShapeBar::Gap).max(), c.barMax);
        EXPECT_EQ(rig.presenter.bar(ShapeBar::Gap).position(), std::max(c.appliedGap, c.barMin));
        EXPECT_EQ(rig.placements(), 1) << rig.desktop.calls.size();  // laid out once, moving the icons
        EXPECT_EQ(rig.presenter.loadMode(), ui::LoadMode::Normal);
        // Every bar takes part again: one placement per change.
        rig.presenter.onScroll(ShapeBar::Height, ui::ScrollRequest::PageForward, 0);
        EXPECT_EQ(rig.placements(), 2);
    }
}

TEST(ShapeBrowser, AMissingRememberedShapeLoadsNothingAndTheFirstPickMoves) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.shape(L"Love\\Heart.shp");
    rig.remember(L"SPath", rig.root + L"\\Gone\\Heart.shp");
    rig.remember(L"SWidth", L"400");
    rig.startUp();
    EXPECT_EQ(rig.view.selectedGroup, -1);
    EXPECT_TRUE(rig.view.lines.empty());
    EXPECT_EQ(rig.presenter.bar(ShapeBar::Width).position(), 400);
    EXPECT_EQ(rig.presenter.loadMode(), ui::LoadMode::Normal);
    rig.presenter.ShapeGroupsChange(1);
    rig.presenter.ShapesListClick(0);
    EXPECT_EQ(rig.placements(), 1);
}

TEST(ShapeBrowser, AShapeThatCantBeReadLeavesTheBarsWorking) {
    ShapePageRig rig;
    rig.folder(L"Love");
    rig.shape(L"Love\\Heart.shp");
    rig.files.add(rig.root + L"\\Love\\Vanished.shp", ShapePageRig::File);  // listed, not on disk
    rig.startUp();
    rig.presenter.ShapesListClick(0);
    rig.presenter.ShapesListClick(0);
    const std::wstring title = rig.window.title;
    EXPECT_THROW(rig.presenter.ShapesListClick(1), ShapeFileError);
    EXPECT_EQ(rig.window.title, title);
    EXPECT_FALSE(rig.presenter.bar(ShapeBar::Gap).quiet);
}

TEST(ShapeBrowser, ShowingThePageRefreshesTheSavedLayoutFlag) {
    ShapePageRig rig;
    rig.presenter.pageShown();
    EXPECT_FALSE(rig.commands.enabled(ui::RestoreDTIPos));
    for (int i = 0; i < 3; ++i) rig.shell.add(L"Icon", 1, 2);
    rig.clock.now = LocalDateTime{2026, 1, 2, 3, 4, 5};
    rig.layouts.SaveLayout(L"12345678", L"kept");
    rig.presenter.pageShown();
    EXPECT_TRUE(rig.commands.enabled(ui::RestoreDTIPos));
}

TEST(ShapeBrowser, TheStateKeptBetweenRuns) {
    ShapePageRig rig;
    EXPECT_EQ(rig.presenter.stateToSave().path, L"");
    rig.folder(L"Love");
    const std::wstring heart = rig.shape(L"Love\\Heart.shp");
    rig.startUp();
    rig.presenter.ShapesListClick(0);
    const ui::ShapeState state = rig.presenter.stateToSave();
    EXPECT_EQ(state.path, heart);
    EXPECT_EQ(state.widthPosition, rig.presenter.bar(ShapeBar::Width).position());
    EXPECT_EQ(state.gapPosition, 60);
}

}  // namespace
}  // namespace orbilux
