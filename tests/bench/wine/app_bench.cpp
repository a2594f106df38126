// Orbilux.exe under Wine (scripts/bench.sh runs this): the time from process
// start to the main window shown, the private memory once it is up, and the
// executable's size. A start after a first run (a settings file exists), on
// the stand-in desktop with 60 icons. Prints figures; nothing here passes or
// fails.
#include <windows.h>

#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/shape_engine.h"
#include "platform/win32/module_path.h"
#include "tests/support/real_desktop.h"
#include "tools/gui-driver/gui_driver.h"
#include "tools/standin-desktop/standin_client.h"

using namespace orbilux;

namespace {

constexpr int Runs = 7;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * double(counter.QuadPart) / double(frequency.QuadPart);
}

void PrepareSettings() {
    wchar_t documents[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, FALSE);
    const std::wstring folder = std::wstring(documents) + L"\\Orbilux";
    CreateDirectoryW(folder.c_str(), nullptr);
    WritePrivateProfileStringW(L"Settings", L"Knows", L"1", (folder + L"\\Settings.ini").c_str());
}

void Report(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    std::printf("%-40s min %8.1f  median %8.1f  max %8.1f %s\n", what, values.front(), values[values.size() / 2],
                values.back(), unit);
}

// A desktop that only answers the count: the engine's work alone.
class CountingDesktop : public DesktopPort {
public:
    explicit CountingDesktop(int32_t count) : count_(count) {}
    int32_t DesktopItemCount() override { return count_; }
    void ApplyIconTargets(const IconTargets&) override {}

private:
    int32_t count_;
};

// One adjustment tick as the shape page makes it: the loaded shape placed
// again (no file read) on N icons. Ticks run back to back, as while a button
// is held, so each also waits for what the list view still does from the
// one before (its repaint). The engine's own share is the same placements
// over a desktop that only counts. The Archimedean spiral has points for
// every one of 500 icons.
void BenchTicks(const std::wstring& folder) {
    constexpr int Ticks = 15;
    const std::wstring shape = folder + L"Shapes\\Spirals\\Archimedean spiral.shp";
    auto perTick = [&](ShapeEngine& engine) {
        int32_t gap = 0;
        engine.ArrangeShape(shape, 1024, 787, gap, 1280, 929, 0, 0, true, true);
        const double start = Now();
        for (int tick = 0; tick < Ticks; ++tick) {
            int32_t g = gap;
            // A size step back and forth, so every icon moves every time.
            engine.ArrangeShape(shape, 1024 + (tick % 2) * 10, 787, g, 1280, 929, 0, 0, false, true);
        }
        return (Now() - start) / Ticks;
    };
    for (const int icons : {60, 200, 500}) {
        CountingDesktop counting(icons);
        ShapeEngine offline(counting);
        const double engineMs = perTick(offline);

        standin::LaunchOptions options;
        options.icons = icons;
        options.taskbarHeight = 40;
        standin::StandInDesktop desktop(folder, options);
        test::RealDesktop desktopPort;
        ShapeEngine engine(desktopPort.port);
        const double tickMs = perTick(engine);
        std::printf("tick, %4d icons: %7.1f ms (%.2f x the 80 ms tick): engine %.3f ms, desktop %.1f ms\n", icons,
                    tickMs, tickMs / 80.0, engineMs, tickMs - engineMs);
    }
}

// The start-up: the time to the window shown and the memory after it.
void BenchStartUp(const std::wstring& folder) {
    standin::LaunchOptions options;
    options.icons = 60;
    options.taskbarHeight = 40;
    standin::StandInDesktop desktop(folder, options);
    PrepareSettings();

    std::vector<double> startMs, privateKiB, workingSetKiB;
    for (int run = 0; run < Runs; ++run) {
        const double start = Now();
        gui_driver::AppProcess app(L"\"" + folder + L"Orbilux.exe\"");
        HWND window = nullptr;
        while (!window && Now() - start < 30000) {
            for (HWND w : gui_driver::ProcessWindows(app.id(), L"Tptt"))
                if (IsWindowVisible(w)) window = w;
            if (!window) Sleep(1);
        }
        if (!window) {
            std::printf("Orbilux.exe did not show its window\n");
            return;
        }
        startMs.push_back(Now() - start);
        gui_driver::WaitUntilIdle(window);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(app.handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
            // Wine leaves PrivateUsage at 0; the commit charge it does fill
            // in is the same figure on Windows.
            privateKiB.push_back(double(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage) / 1024.0);
            workingSetKiB.push_back(double(memory.WorkingSetSize) / 1024.0);
        }
        gui_driver::ChooseCommand(window, 1009 /* Exit */);
        app.waitForExit(20000);
    }
    Report("start to main window shown", startMs, "ms");
    if (!privateKiB.empty()) {
        Report("private memory after start", privateKiB, "KiB");
        Report("working set after start", workingSetKiB, "KiB");
    }
}

}  // namespace

int wmain() {
    const std::wstring folder = win32::ExecutableFolder();
    BenchStartUp(folder);
    BenchTicks(folder);
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (GetFileAttributesExW((folder + L"Orbilux.exe").c_str(), GetFileExInfoStandard, &file))
        std::printf("%-40s %.1f KiB\n", "Orbilux.exe size", double(file.nFileSizeLow) / 1024.0);
    return 0;
}
