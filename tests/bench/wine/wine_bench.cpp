// Measurements under Wine (scripts/bench.sh runs this): what the bridge and
// the layout store cost against a real list view in another process.
//   - one placement (every icon moved) on 60, 200, 500 and 1,000 icons: time
//     per placement, against the message floor (the same position messages to
//     a list view whose icons don't move, so it has nothing to repaint);
//   - applying 500 targets: wall time, and messages the list view received per icon;
//   - saving and restoring 1,000 icons: wall time, list-view messages and
//     registry calls per icon;
//   - the desktop's shell view (standin-shellview.dll over the stand-in's
//     icon model) on 60, 500 and 1,000 icons: one SelectAndPositionItems
//     moving every icon, and reading every position with GetItemPosition.
// Prints one line per figure; nothing here is a pass/fail test.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "desktop/layout_store.h"
#include "desktop/win32/desktop_bridge.h"
#include "desktop/win32/layout_ports_win32.h"
#include "desktop/win32/list_view_finder.h"
#include "desktop/win32/win32_desktop.h"
#include "platform/win32/module_path.h"
#include "platform/win32/registry_win32.h"
#include "tests/support/real_desktop.h"
#include "tests/support/recording_registry.h"
#include "tests/support/shell_view_chain.h"
#include "tools/standin-desktop/shell_view_registration.h"
#include "tools/standin-desktop/standin_client.h"

using namespace orbilux;

namespace {

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BenchApply(bool autoArrange) {
    constexpr int Icons = 500;
    standin::LaunchOptions options;
    options.icons = Icons;
    options.autoArrange = autoArrange;
    standin::StandInDesktop desktop(win32::ExecutableFolder(), options);
    test::RealDesktop real;
    std::vector<double> times;
    for (int round = 0; round < 7; ++round) {
        IconTargets targets;
        for (int i = 0; i < Icons; ++i) targets.push_back({(i * 37 + round * 11) % 1200, (i * 53) % 900, i});
        desktop.resetCounters();
        times.push_back(Milliseconds([&] { real.port.ApplyIconTargets(targets); }));
    }
    const standin::Report report = desktop.report();  // the last round's messages
    std::size_t styleChanges = 0;
    for (const std::string& event : report.events) styleChanges += event.rfind("style", 0) == 0;
    std::printf(
        "apply %d targets (auto-arrange %s): median %.1f ms, %.2f list-view messages + %.3f style changes "
        "per icon\n",
        Icons, autoArrange ? "on" : "off", Median(times), double(report.receivedTotal()) / Icons,
        double(styleChanges) / Icons);
}

// Where every icon stands now, as the list view reports it.
IconTargets CurrentPlaces(standin::StandInDesktop& desktop) {
    IconTargets places;
    for (const standin::ReportedItem& item : desktop.report().items) places.push_back({item.x, item.y, item.index});
    return places;
}

void BenchPlacements() {
    for (const int icons : {60, 200, 500, 1000}) {
        standin::LaunchOptions options;
        options.icons = icons;
        standin::StandInDesktop desktop(win32::ExecutableFolder(), options);
        test::RealDesktop real;
        std::vector<double> placements, floors;
        for (int round = 0; round < 7; ++round) {
            IconTargets targets;
            for (int i = 0; i < icons; ++i)
                targets.push_back({(i * 37 + round * 11) % 1200, (i * 53 + round * 7) % 900, i});
            placements.push_back(Milliseconds([&] { real.port.ApplyIconTargets(targets); }));
            // The window program places at most every 80 ms; the list view
            // paints in between, as it would then.
            Sleep(100);
        }
        const HWND listView = win32::FindDesktopListView();
        for (int round = 0; round < 7; ++round) {
            const IconTargets places = CurrentPlaces(desktop);
            floors.push_back(Milliseconds([&] {
                for (const IconTarget& place : places) win32::SetItemPosition(listView, place.index, place.x, place.y);
            }));
            Sleep(100);
        }
        const double placement = Median(placements), floor = Median(floors);
        std::printf(
            "placement of %d icons: median %.1f ms (%.2f ms per icon); message floor %.1f ms; %.2f times "
            "the floor\n",
            icons, placement, placement / icons, floor, placement / floor);
    }
}

void BenchLayouts() {
    constexpr int Icons = 1000;
    standin::LaunchOptions options;
    options.icons = Icons;
    standin::StandInDesktop desktop(win32::ExecutableFolder(), options);

    win32::Win32Registry realRegistry;
    test::RecordingRegistry registry(realRegistry);
    test::RealDesktop real;
    win32::Win32Clock clock;
    win32::Win32LocaleSource locale;
    win32::Win32ScreenMetrics screen;
    win32::Win32TickSource ticks;
    const std::wstring root = L"Software\\OrbiluxBench";
    LayoutStore store(LayoutStorePorts{registry, real.access, real.notifier, clock, locale, screen, ticks}, root);

    std::vector<double> saveTimes, restoreTimes;
    int saveCalls = 0, restoreCalls = 0;
    uint64_t saveMessages = 0, restoreMessages = 0;
    for (int round = 0; round < 5; ++round) {
        desktop.resetCounters();
        const int before = registry.calls();
        saveTimes.push_back(Milliseconds([&] { store.SaveLayout(L"00000001", L"bench"); }));
        saveCalls = registry.calls() - before;
        saveMessages = desktop.report().receivedTotal();

        // Move every icon away first, so the restore really moves them.
        IconTargets away;
        for (int i = 0; i < Icons; ++i) away.push_back({(i * 41 + round) % 1200, (i * 29) % 900, i});
        real.port.ApplyIconTargets(away);
        desktop.resetCounters();
        const int beforeRestore = registry.calls();
        restoreTimes.push_back(Milliseconds([&] { store.RestoreLayout(L"00000001"); }));
        restoreCalls = registry.calls() - beforeRestore;
        restoreMessages = desktop.report().receivedTotal();
    }
    realRegistry.deleteKeyTree(root);
    std::printf("save %d icons: median %.1f ms, %.2f list-view messages and %.3f registry calls per icon\n", Icons,
                Median(saveTimes), double(saveMessages) / Icons, double(saveCalls) / Icons);
    std::printf("restore %d icons: median %.1f ms, %.2f list-view messages and %.3f registry calls per icon\n", Icons,
                Median(restoreTimes), double(restoreMessages) / Icons, double(restoreCalls) / Icons);
}

void BenchShellView() {
    standin::ShellViewRegistration registration(win32::ExecutableFolder());
    test::ComApartment apartment;
    for (const int icons : {60, 500, 1000}) {
        standin::LaunchOptions options;
        options.icons = icons;
        options.modernShell = true;
        standin::StandInDesktop desktop(win32::ExecutableFolder(), options);
        test::ComPtr<IFolderView2> view = test::DesktopView();
        if (!view) throw standin::StandInError("the desktop's shell view is not available");
        test::ItemIds ids(*view.Get());
        std::vector<double> moves, reads;
        for (int round = 0; round < 7; ++round) {
            std::vector<POINT> points;
            for (int i = 0; i < icons; ++i)
                points.push_back({(i * 37 + round * 11) % 1200, (i * 53 + round * 7) % 900});
            moves.push_back(Milliseconds(
                [&] { view->SelectAndPositionItems(UINT(ids.size()), ids.data(), points.data(), SVSI_POSITIONITEM); }));
            Sleep(100);
        }
        for (int round = 0; round < 3; ++round) {
            reads.push_back(Milliseconds([&] {
                POINT point{};
                for (std::size_t i = 0; i < ids.size(); ++i) view->GetItemPosition(ids[i], &point);
            }));
        }
        std::printf(
            "shell view, %d icons: one SelectAndPositionItems median %.1f ms; GetItemPosition of every icon "
            "median %.1f ms (%.2f ms per icon)\n",
            icons, Median(moves), Median(reads), Median(reads) / icons);
    }
}

}  // namespace

int main() {
    try {
        BenchPlacements();
        BenchApply(false);
        BenchApply(true);
        BenchLayouts();
        BenchShellView();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "wine bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
