// A layout store and its automatic layouts over in-memory fakes, with the
// registry's changes counted so that a test can see that nothing was
// written (not only that the end state looks right).
#pragma once

#include "desktop/automatic_layouts.h"
#include "desktop/reported_screen_size.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/recording_registry.h"

namespace orbilux::test {

struct AutomaticLayoutsRig {
    AutomaticLayoutsRig() {
        clock.now = LocalDateTime{2024, 3, 7, 14, 5, 9};
        ticks.next = {11, 22, 33, 44, 55, 66};  // a different id for each new layout
    }

    FakeRegistry backing;
    RecordingRegistry registry{backing};
    FakeShellDesktop desktop;
    RecordingNotifier notifier;
    FixedClock clock;
    FixedLocale locale;
    FixedScreen screen;
    SteppingTicks ticks;
    // As in the program: the size a display change reports, else the screen's.
    ReportedScreenSize reported{screen};
    LayoutStorePorts ports{registry, desktop, notifier, clock, locale, reported, ticks};
    LayoutStore store{ports};
    AutomaticLayouts automatic{store};

    void setScreen(int32_t width, int32_t height) { screen.size = ScreenSize{width, height}; }
    // Each icon at its own place, shifted by `offset`.
    void placeIcons(int32_t offset) {
        for (std::size_t i = 0; i < desktop.items.size(); ++i) {
            desktop.items[i].x = offset + int32_t(i) * 80;
            desktop.items[i].y = offset + int32_t(i) * 7;
        }
    }
    std::vector<std::pair<int32_t, int32_t>> positions() const {
        std::vector<std::pair<int32_t, int32_t>> all;
        for (const DesktopItem& item : desktop.items) all.emplace_back(item.x, item.y);
        return all;
    }
    // A one-minute-later clock, so that saves are told apart by date.
    void tick() { ++clock.now.minute; }
};

}  // namespace orbilux::test
