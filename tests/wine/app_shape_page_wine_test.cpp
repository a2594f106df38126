// The shape page's story, driving the real Orbilux.exe on the stand-in
// desktop: pick a shape, hold "Increase size", drag the gap bar, fit, and
// find the shape laid out again at the next start.
#include <gtest/gtest.h>

#include <climits>

#include "tests/wine/app_wine_support.h"
#include "tests/wine/plan_json.h"
#include "tests/wine/wine_test_support.h"
#include "ui/control_ids.h"

namespace orbilux::wine_test {
namespace {

using gui_driver::WaitUntil;

constexpr int Icons = 60;

// Where orbiluxctl plan puts each of the 60 icons for that frame: the last
// target given to each item.
Positions Planned(const std::wstring& shape, int width, int height, int gap = 0) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT taskbar{};
    GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &taskbar);
    const int areaHeight = (work.bottom - work.top) - (taskbar.bottom - taskbar.top + 15);
    std::wstring command = Quote(BinaryFolder() + L"orbiluxctl.exe") + L" plan " + Quote(shape) + L" --icons " +
                           std::to_wstring(Icons) + L" --width " + std::to_wstring(width) + L" --height " +
                           std::to_wstring(height) + L" --area-width " + std::to_wstring(work.right - work.left) +
                           L" --area-height " + std::to_wstring(areaHeight) + L" --json";
    if (gap) command += L" --gap " + std::to_wstring(gap);
    const ProcessResult planned = RunProcess(command);
    EXPECT_EQ(planned.exitCode, 0u) << planned.err;
    const std::vector<long long> triples = Integers(JsonArray(planned.out, "applied"));
    Positions positions(Icons, {INT_MIN, INT_MIN});
    for (std::size_t i = 0; i + 2 < triples.size(); i += 3)
        if (triples[i] >= 0 && triples[i] < Icons)
            positions[std::size_t(triples[i])] = {int(triples[i + 1]), int(triples[i + 2])};
    return positions;
}

class ShapePageStory : public AppStory {
protected:
    static int Setting(const wchar_t* key) { return std::stoi(ReadSetting(L"Settings", key)); }
};

TEST_F(ShapePageStory, PickHoldDragFitAndFindTheShapeLaidOutAgainNextTime) {
    WriteSetting(L"Settings", L"Knows", L"1");  // not a first run
    WriteSetting(L"Options", L"Load last shape used", L"1");
    startDesktop(Icons);
    const std::wstring heart = BinaryFolder() + L"Shapes\\Love\\Heart.shp";
    Positions arranged;
    {
        auto app = startApp();
        const HWND window = waitForMainWindow(*app);
        ASSERT_TRUE(window);
        const Positions untouched = IconPositions(desktop());

        // A group and a shape: the first pick after a fresh start moves nothing.
        const HWND list = pickHeartOnce(window);
        ASSERT_TRUE(list);
        gui_driver::WaitUntilIdle(window);
        EXPECT_EQ(IconPositions(desktop()), untouched);

        // The second pick lays the icons out exactly as plan says for the
        // default frame (four fifths of the 1280 x 984 work area).
        ASSERT_TRUE(gui_driver::ClickListLine(list, L"Heart"));
        const Positions defaultFrame = Planned(heart, 1280 - 256, 984 - 196);
        EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) == defaultFrame; }, StepTimeoutMs));
        Screenshot(L"shape-page-heart");
        Screenshot(L"shape-page-heart-window", window);

        // About a second of "Increase size": about 13 steps of 10 pixels.
        const HWND grow = gui_driver::FindControl(window, ui::IncreaseSizeButton);
        const ULONGLONG pressed = GetTickCount64();
        gui_driver::PressLeft(grow);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(
            WaitUntil([&] { return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) != 0; }, StepTimeoutMs))
            << "auto blend makes the window translucent while the button is held";
        EXPECT_EQ(alpha, 90);
        Sleep(1000);
        gui_driver::ReleaseLeft(grow);
        const ULONGLONG held = GetTickCount64() - pressed;
        EXPECT_TRUE(
            WaitUntil([&] { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0; }, StepTimeoutMs));
        const HWND height = gui_driver::FindControl(window, ui::HeightBar);
        const int steps = (984 / 3 + 196 - gui_driver::ScrollBarState(height).nPos) / 10;
        // One step at once and one per 80 ms after it (13 in a second on an
        // idle machine); a placement slower than that delays the next tick,
        // but no tick ever comes early.
        std::printf("\"Increase size\" held %llu ms: %d steps\n", held, steps);
        EXPECT_GE(steps, 3);
        EXPECT_LE(steps, 2 + int(held / 80));

        // Dragging the gap bar re-spaces the icons.
        const HWND gapBar = gui_driver::FindControl(window, ui::GapBar);
        const int gapBefore = gui_driver::ScrollBarState(gapBar).nPos;
        const Positions beforeDrag = IconPositions(desktop());
        gui_driver::DragThumb(gapBar, 60);
        EXPECT_TRUE(WaitUntil([&] { return gui_driver::ScrollBarState(gapBar).nPos > gapBefore; }, StepTimeoutMs));
        // The bar's own loop ends at the release, and auto blend with it.
        EXPECT_TRUE(
            WaitUntil([&] { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0; }, StepTimeoutMs));
        const int gapAfter = gui_driver::ScrollBarState(gapBar).nPos;
        EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) != beforeDrag; }, StepTimeoutMs));

        // Fit: seven eighths of the work area, centred, with the dragged gap.
        gui_driver::Click(gui_driver::FindControl(window, ui::FitButton));
        arranged = Planned(heart, 1280 - 160, 984 - 123, gapAfter);
        EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) == arranged; }, StepTimeoutMs));
        exitThroughMenu(*app, window);
    }
    EXPECT_EQ(ReadSetting(L"Settings", L"SPath"), heart);
    EXPECT_EQ(Setting(L"Sdx"), 0);
    EXPECT_EQ(Setting(L"Sdy"), 0);

    // Scrambled meanwhile; "Load last shape used" lays it out again at start.
    RunProcess(Quote(BinaryFolder() + L"orbiluxctl.exe") + L" arrange " +
               Quote(BinaryFolder() + L"Shapes\\Basic\\Circle.shp"));
    ASSERT_NE(IconPositions(desktop()), arranged);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) == arranged; }, StepTimeoutMs));
    EXPECT_EQ(gui_driver::WindowText(window), L"Orbilux - 'Heart' shape from Love");
    exitThroughMenu(*app, window);
}

}  // namespace
}  // namespace orbilux::wine_test
