// Starting and inspecting the stand-in desktop from another program (the
// integration tests, the benchmarks). One stand-in runs at a time: the
// bridge finds "the" desktop by its window classes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace orbilux::standin {

struct LaunchOptions {
    int icons = 60;
    std::vector<std::wstring> names;  // item i takes names[i]; the rest get default names
    bool autoArrange = false;
    bool noChildren = false;
    bool workerW = false;
    bool paintingOff = false;
    int exitAfterTextQueries = 0;
    int stallAtPosition = 0;  // that position message is answered only after stallMs
    int stallMs = 0;
    int taskbarHeight = 0;  // > 0: a "Shell_TrayWnd" of that height that records tray icons
    int width = 0;          // 0: the screen's size
    int height = 0;
    int originX = 0;           // the desktop's top left on the virtual screen (negative: a monitor left of or
    int originY = 0;           // above the primary), so list-view and screen coordinates differ
    bool modernShell = false;  // an icon model beside the list view (see standin_protocol.h)
    bool snapToGrid = false;   // the shell view reports FWF_SNAPTOGRID
};

struct ReportedItem {
    int index = 0;
    int x = 0;
    int y = 0;
    std::wstring text;
};

struct ModelItem {
    int index = 0;
    int x = 0;
    int y = 0;
};

struct ReportedArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Report {
    uint32_t style = 0;
    ReportedArea area;     // the list view's client area in screen coordinates
    bool painting = true;  // whether the list view's painting is switched on
    std::vector<ReportedItem> items;
    std::vector<ModelItem> model;           // the icon model's positions (modernShell only), in index order
    std::map<uint32_t, uint64_t> received;  // list-view message or WM_SETREDRAW -> times sent from outside
    std::vector<std::string> events;        // "setpos <i> <x> <y>", "style <old> <new>", "redraw <0|1>", in order
    std::vector<std::string> trayEvents;    // "add <id> <callback hex> <tip>" and "delete <id>", in order

    uint64_t receivedTotal() const;
};

class StandInError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class StandInDesktop {
public:
    // Starts standin-desktop.exe from `folder` (with a trailing backslash)
    // and waits until its windows are up. Throws StandInError.
    StandInDesktop(const std::wstring& folder, const LaunchOptions& options);
    // Closes the stand-in and waits for it to end.
    ~StandInDesktop();
    StandInDesktop(const StandInDesktop&) = delete;
    StandInDesktop& operator=(const StandInDesktop&) = delete;

    Report report();
    void resetCounters();
    // Broadcasts "TaskbarCreated", as a shell does after a restart.
    void announceTaskbar();
    // Lays every icon out again from the icon model, as the shell's refresh
    // (F5) does. Throws StandInError unless the stand-in runs modernShell.
    void refresh();
    // A display change to `width` x `height` (see ChangeDisplay in
    // standin_protocol.h). Throws StandInError when refused.
    void changeDisplay(int width, int height);
    bool running() const;
    // The stand-in's own list view (found through its Progman window).
    HWND listView() const;
    DWORD processId() const { return processId_; }
    // Ends the process at once, as a crashing shell would.
    void kill();

private:
    HWND progman() const;
    bool sendCommand(uintptr_t command, const void* data, DWORD size);

    win32::UniqueHandle process_;
    DWORD processId_ = 0;
    std::wstring scratch_;  // names file and report file live here
};

}  // namespace orbilux::standin
