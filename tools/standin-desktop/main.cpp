// standin-desktop.exe: a window tree like the shell's desktop, for the
// integration tests and the demo. A top-level "Progman" ("Program Manager")
// window with a "SHELLDLL_DefView" child holding a "SysListView32" in icon
// view, full screen, with N named icons. Options build the variants the
// bridge must cope with; see StandInUsage.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/win32/command_line.h"
#include "platform/win32/unique_handle.h"
#include "tools/standin-desktop/host_window.h"
#include "tools/standin-desktop/standin_list_view.h"
#include "tools/standin-desktop/standin_options.h"
#include "tools/standin-desktop/standin_protocol.h"
#include "tools/standin-desktop/taskbar_window.h"

using namespace orbilux::standin;
using orbilux::win32::WindowDc;

namespace {

void SignalReady(const StandInOptions& options) {
    if (!options.readyEvent.empty()) {
        if (HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, options.readyEvent.c_str())) {
            SetEvent(event);
            CloseHandle(event);
        }
    }
    if (!options.readyFile.empty())
        std::ofstream(std::filesystem::path(options.readyFile)) << GetCurrentProcessId() << "\n";
}

// Resizes the desktop's windows (and moves the taskbar) for a screen of
// `display` size that starts where `screen` does. The list view follows
// its parents' size.
void ChangeDesktopSize(RECT& screen, const DisplaySize& display, int taskbarHeight,
                       std::initializer_list<HWND> desktopWindows, HWND taskbar) {
    screen.right = screen.left + display.width;
    screen.bottom = screen.top + display.height;
    constexpr UINT Flags = SWP_NOZORDER | SWP_NOACTIVATE;
    for (const HWND window : desktopWindows)
        if (window)
            SetWindowPos(window, nullptr, screen.left, screen.top, display.width, display.height - taskbarHeight,
                         Flags);
    if (taskbar) SetWindowPos(taskbar, nullptr, 0, screen.bottom - taskbarHeight, screen.right, taskbarHeight, Flags);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring error;
    const auto options = ParseStandInOptions(orbilux::win32::CommandLineArguments(), error);
    if (!options) {
        std::fwprintf(stderr, L"standin-desktop: %ls\n%ls\n", error.c_str(), StandInUsage);
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    // The part of the virtual screen the desktop spans; the primary monitor
    // starts at 0,0, so --origin shifts list-view coordinates off screen ones.
    RECT screen{options->originX, options->originY, 0, 0};
    screen.right = screen.left + (options->width ? options->width : GetSystemMetrics(SM_CXSCREEN));
    screen.bottom = screen.top + (options->height ? options->height : GetSystemMetrics(SM_CYSCREEN));
    // With a taskbar the desktop ends above it: without a window manager
    // Wine may raise the desktop over a taskbar that shares its area.
    const RECT desktop{screen.left, screen.top, screen.right, screen.bottom - options->taskbarHeight};
    const RECT inside{0, 0, desktop.right - desktop.left, desktop.bottom - desktop.top};
    constexpr DWORD TopLevel = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;

    HostWindow progman(L"Progman", L"Program Manager", TopLevel, desktop, nullptr);
    progman.quitWhenDestroyed();
    std::unique_ptr<HostWindow> workerW, desktopView;
    std::unique_ptr<StandInListView> listView;
    if (options->workerW) {
        // Progman keeps no children; the desktop view lives in a WorkerW.
        workerW = std::make_unique<HostWindow>(L"WorkerW", L"", TopLevel, desktop, nullptr);
        desktopView = std::make_unique<HostWindow>(L"SHELLDLL_DefView", L"", Child, inside, workerW->hwnd());
    } else if (!options->noChildren) {
        desktopView = std::make_unique<HostWindow>(L"SHELLDLL_DefView", L"", Child, inside, progman.hwnd());
    }
    if (desktopView) listView = std::make_unique<StandInListView>(desktopView->hwnd(), *options);
    std::unique_ptr<TaskbarWindow> taskbar;
    if (options->taskbarHeight > 0)
        taskbar = std::make_unique<TaskbarWindow>(screen.right, screen.bottom, options->taskbarHeight);

    progman.setCommandHandler([&](ULONG_PTR command, const void* data, DWORD size) {
        if (!listView) return false;
        switch (command) {
            case WriteReport: {
                if (size < sizeof(wchar_t)) return false;
                const std::wstring path(static_cast<const wchar_t*>(data), size / sizeof(wchar_t) - 1);
                if (!listView->writeReport(path)) return false;
                if (!taskbar) return true;
                std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::app);
                out << taskbar->reportLines();
                return static_cast<bool>(out.flush());
            }
            case ResetCounters:
                listView->resetLog();
                if (taskbar) taskbar->resetLog();
                return true;
            case AnnounceTaskbar:
                TaskbarWindow::BroadcastTaskbarCreated();
                return true;
            case ShareModel: {
                if (size < sizeof(ModelRange) + sizeof(wchar_t) || (size - sizeof(ModelRange)) % sizeof(wchar_t))
                    return false;
                ModelRange range{};
                std::memcpy(&range, data, sizeof range);
                const auto* name = reinterpret_cast<const wchar_t*>(static_cast<const char*>(data) + sizeof range);
                const std::size_t length = (size - sizeof range) / sizeof(wchar_t) - 1;
                if (name[length] != L'\0') return false;
                return listView->shareModel(std::wstring(name, length), range);
            }
            case SetModelPositions: {
                if (size % sizeof(ModelPosition)) return false;
                std::vector<ModelPosition> positions(size / sizeof(ModelPosition));
                if (size) std::memcpy(positions.data(), data, size);
                return listView->placeInModel(positions.data(), positions.size());
            }
            case Refresh:
                return listView->refresh();
            case ChangeDisplay: {
                DisplaySize display{};
                if (size != sizeof display) return false;
                std::memcpy(&display, data, sizeof display);
                if (display.width < 1 || display.width > 32767 || display.height <= options->taskbarHeight ||
                    display.height > 32767)
                    return false;
                // Icons first: the list view sizes its scroll bars to its icons
                // when it is resized, not when they move back into sight.
                listView->fitIcons(display.width, display.height - options->taskbarHeight);
                ChangeDesktopSize(screen, display, options->taskbarHeight,
                                  {progman.hwnd(), workerW ? workerW->hwnd() : nullptr},
                                  taskbar ? taskbar->hwnd() : nullptr);
                WindowDc screenDc(nullptr);
                PostMessageW(HWND_BROADCAST, WM_DISPLAYCHANGE, WPARAM(GetDeviceCaps(screenDc.get(), BITSPIXEL)),
                             MAKELPARAM(display.width, display.height));
                return true;
            }
            default:
                return false;
        }
    });
    // Let the list view lay out and paint its items first: until it has, it
    // still places new items itself and would undo positions set from outside.
    UpdateWindow(progman.hwnd());
    if (workerW) UpdateWindow(workerW->hwnd());
    if (listView) listView->captureModel();
    SignalReady(*options);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
