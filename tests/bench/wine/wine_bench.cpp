// Measurements under Wine (scripts/bench.sh runs this): what the bridge and
// the layout store cost against a real list view in another process.
//   - one placement (every icon moved) on 60, 200, 500 and 1,000 icons: time
//     per placement, against the message floor (the same position messages to
//     a list view whose icons don't move, so it has nothing to repaint);
//   - applying 500 targets: wall time, and messages the list view received per icon;
//   - saving and restoring 1,000 icons: wall time, list-view messages and
//     registry calls per icon;
//   - exporting and importing a 1,000-icon layout file: wall time (registry
//     and file together) and the file's size per icon;
//   - a display change on 60 and 500 icons: from the end of the settle wait
//     to the icons back in their places, and one automatic-layout check when
//     no icon moved;
//   - the commit into the shell's icon model that ends every action, on 60,
//     500 and 1,000 icons, beside one placement of the same icons (the
//     stand-in's icon model, served by its shell view in this process).
// Prints one line per figure; nothing here is a pass/fail test.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "desktop/layout_file.h"
#include "desktop/layout_file_io.h"
#include "desktop/automatic_layouts.h"
#include "desktop/layout_store.h"
#include "desktop/layout_transfer.h"
#include "desktop/shell_model_commit.h"
#include "desktop/win32/desktop_bridge.h"
#include "desktop/win32/layout_ports_win32.h"
#include "desktop/win32/list_view_finder.h"
#include "desktop/win32/shell_view_win32.h"
#include "desktop/win32/win32_desktop.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/module_path.h"
#include "platform/win32/registry_win32.h"
#include "tests/support/real_desktop.h"
#include "tests/support/recording_registry.h"
#include "tools/standin-desktop/shell_view_registration.h"
#include "tools/standin-desktop/standin_client.h"
#include "ui/screen/screen_change_presenter.h"

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

void BenchLayoutFiles() {
    constexpr int Icons = 1000;
    standin::LaunchOptions options;
    options.icons = Icons;
    standin::StandInDesktop desktop(win32::ExecutableFolder(), options);

    win32::Win32Registry registry;
    test::RealDesktop real;
    win32::Win32Clock clock;
    win32::Win32LocaleSource locale;
    win32::Win32ScreenMetrics screen;
    win32::Win32TickSource ticks;
    win32::Win32TimeZone zone;
    const std::wstring root = L"Software\\OrbiluxBench";
    LayoutStore store(LayoutStorePorts{registry, real.access, real.notifier, clock, locale, screen, ticks}, root);
    store.SaveLayout(L"00000001", L"bench");
    const LayoutTransferPorts ports{store, registry, zone, locale};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path file = std::wstring(temp) + L"orbilux-bench.orbilux-layout.json";

    std::vector<double> exportTimes, importTimes;
    std::size_t bytes = 0;
    for (int round = 0; round < 5; ++round) {
        exportTimes.push_back(Milliseconds([&] {
            const std::string text = ComposeLayoutFile(ExportLayout(ports, L"00000001").layout);
            bytes = text.size();
            WriteWholeFile(file, text);
        }));
        std::wstring id;
        importTimes.push_back(Milliseconds([&] {
            const FileRead read = ReadWholeFile(file, MaxLayoutFileBytes);
            id = ImportLayout(ports, ParseLayoutFile(read.bytes).layout).id;
        }));
        store.DeleteLayout(id);
    }
    registry.deleteKeyTree(root);
    std::filesystem::remove(file);
    std::printf(
        "export %d icons to a file: median %.1f ms; import: median %.1f ms; file %zu bytes, %.1f bytes per "
        "icon\n",
        Icons, Median(exportTimes), Median(importTimes), bytes, double(bytes) / Icons);
}

// The screen size a display change would leave, set by the bench.
class SettableScreen : public ScreenMetrics, public ui::ScreenInfo {
public:
    ScreenSize primaryScreenSize() override { return size; }
    ui::Rect workArea() override { return {0, 0, size.width, size.height - 40}; }
    bool onAnyMonitor(const ui::Rect&) override { return true; }
    int32_t taskbarAllowance() override { return 55; }
    ScreenSize size{1280, 1024};
};

// A settings file with nothing in it: the start-up finds no earlier screen.
class EmptyProfile : public ProfilePort {
public:
    std::wstring readString(const std::wstring&, const std::wstring&, const std::wstring&,
                            const std::wstring& fallback) override {
        return fallback;
    }
    bool writeString(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&) override {
        return true;
    }
};

class NoTimers : public ui::TimerPort {
public:
    void startTimer(ui::ProgramTimer, uint32_t) override {}
    void stopTimer(ui::ProgramTimer) override {}
};

void BenchScreenChange() {
    for (const int icons : {60, 500}) {
        standin::LaunchOptions options;
        options.icons = icons;
        standin::StandInDesktop desktop(win32::ExecutableFolder(), options);
        win32::Win32Registry registry;
        test::RealDesktop real;
        win32::Win32Clock clock;
        win32::Win32LocaleSource locale;
        SettableScreen screen;
        win32::Win32TickSource ticks;
        const std::wstring root = L"Software\\OrbiluxBench";
        ReportedScreenSize reported(screen);
        LayoutStore store(LayoutStorePorts{registry, real.access, real.notifier, clock, locale, reported, ticks}, root);
        AutomaticLayouts automatic(store);
        ProgramOptions programOptions;
        NoTimers timers;
        IconActions actions;
        ui::ScreenChangePresenter presenter(
            ui::ScreenChangePorts{timers, reported, screen, real.access, store, automatic, programOptions, actions});
        actions.addObserver(presenter);

        // Each size has its automatic layout.
        const ScreenSize sizes[2] = {{1920, 1080}, {1280, 1024}};
        for (int s = 0; s < 2; ++s) {
            IconTargets places;
            for (int i = 0; i < icons; ++i) places.push_back({(i * 37 + s * 300) % 1200, (i * 53 + s * 100) % 900, i});
            real.port.ApplyIconTargets(places);
            screen.size = sizes[s];
            automatic.refresh();
        }
        std::vector<double> checks;
        for (int round = 0; round < 7; ++round) checks.push_back(Milliseconds([&] { automatic.refresh(); }));

        EmptyProfile profile;
        presenter.startUp(SettingsFile(profile, L"unused"));
        std::vector<double> restores;
        for (int round = 0; round < 6; ++round) {
            // What Windows does to the icons, then the change.
            IconTargets scrambled;
            for (int i = 0; i < icons; ++i) scrambled.push_back({(i * 71 + round) % 1200, (i * 13) % 900, i});
            real.port.ApplyIconTargets(scrambled);
            screen.size = sizes[round % 2];
            presenter.onScreenChanged();
            restores.push_back(Milliseconds([&] { presenter.onSettleTimer(); }));
            Sleep(100);
        }
        // The restore alone, over the same scramble.
        std::vector<double> plain;
        const std::wstring id = automatic.layoutFor(sizes[0]);
        for (int round = 0; round < 4; ++round) {
            IconTargets scrambled;
            for (int i = 0; i < icons; ++i) scrambled.push_back({(i * 71 + round) % 1200, (i * 13) % 900, i});
            real.port.ApplyIconTargets(scrambled);
            plain.push_back(Milliseconds([&] { store.RestoreLayout(id); }));
            Sleep(100);
        }
        registry.deleteKeyTree(root);
        std::printf(
            "display change, %d icons: icons back %.1f ms after the settle wait (median; the restore alone "
            "%.1f ms); one automatic-layout check with nothing moved %.1f ms\n",
            icons, Median(restores), Median(plain), Median(checks));
    }
}

void BenchShellCommit() {
    win32::ComApartment apartment;
    standin::ShellViewRegistration registration(win32::ExecutableFolder());
    for (const int icons : {60, 500, 1000}) {
        standin::LaunchOptions options;
        options.icons = icons;
        options.modernShell = true;
        standin::StandInDesktop desktop(win32::ExecutableFolder(), options);
        test::RealDesktop real;
        win32::Win32ShellIconModel model;
        ShellModelCommit commit(real.access, model);
        std::vector<double> placements, commits;
        for (int round = 0; round < 5; ++round) {
            IconTargets targets;
            for (int i = 0; i < icons; ++i)
                targets.push_back({(i * 37 + round * 11) % 1200, (i * 53 + round * 7) % 900, i});
            placements.push_back(Milliseconds([&] { real.port.ApplyIconTargets(targets); }));
            Sleep(100);
            commits.push_back(Milliseconds([&] { commit.commitNow(); }));
        }
        const ShellCommitOutcome outcome = commit.lastOutcome();
        // The calls one commit makes: reaching the view (6), the ids (Items
        // and Next, 256 at a time), the folder and a name each, the one
        // batch, and a read-back each.
        const int calls = 6 + 1 + (icons / 256 + 1) + 1 + icons + 1 + icons;
        const double placement = Median(placements), cost = Median(commits);
        std::printf(
            "shell-model commit of %d icons: median %.1f ms beside %.1f ms for one placement (%.2f times); "
            "%d COM calls, 1 of them positioning; %d committed, %d not where put\n",
            icons, cost, placement, cost / placement, calls, outcome.committed, outcome.notWherePut);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // "layout-files": only the layout-file figures.
    if (argc > 1 && std::string(argv[1]) == "layout-files") {
        try {
            BenchLayoutFiles();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "wine bench: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    try {
        // "screen-change" measures that alone.
        if (argc > 1 && std::string(argv[1]) == "screen-change") {
            BenchScreenChange();
            return 0;
        }
        BenchPlacements();
        BenchApply(false);
        BenchApply(true);
        BenchLayouts();
        BenchLayoutFiles();
        BenchShellCommit();
        BenchScreenChange();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "wine bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
