// How tests talk to the stand-in desktop. Commands arrive as WM_COPYDATA on
// the "Progman" window (it exists in every mode); the stand-in answers TRUE
// when it carried the command out.
//
// The report is a UTF-8 text file, one record per line, fields separated by
// tabs:
//   style   <hex>                   the list view's style now
//   painting <0|1>                  whether its painting is switched on
//   area    <left> <top> <right> <bottom>  the list view's client area in screen coordinates
//   item    <index> <x> <y> <text>  every item, in index order
//   model   <index> <x> <y>         the icon model's position of every item (--modern-shell only)
//   received <message hex> <count>  list-view messages and WM_SETREDRAW sent from other threads
//   event   setpos <index> <x> <y>  each position message, in order of arrival
//   event   style <old hex> <new hex>  each style change, in order
//   event   redraw <0|1>            each WM_SETREDRAW sent from another thread, in order
//   tray    add <id> <callback hex> <tip> / delete <id>  tray icons sent to the taskbar
//
// With --modern-shell the stand-in keeps an icon model beside its list view,
// as the shell has done since Windows 10 1809: positions set through the
// model (SetModelPositions, which the shell view of standin-shellview.dll
// sends) move the icon in both; list-view messages from outside move only the
// list view, and a refresh (Refresh, or F5 on the list view) lays every icon
// out again from the model. ShareModel answers in a block of shared memory
// the caller creates (a named file mapping): a uint32 byte count, then the
// model as UTF-8 text with tab-separated fields:
//   count   <items>
//   flags   <hex>                   FWF_AUTOARRANGE and FWF_SNAPTOGRID as the shell view reports them
//   spacing <cx> <cy>               the list view's icon spacing
//   model   <index> <x> <y> <name>  the items asked for, in index order
#pragma once

#include <cstdint>

namespace orbilux::standin {

enum Command : uintptr_t {
    WriteReport = 1,      // lpData: UTF-16 path of the report file (with its NUL)
    ResetCounters = 2,    // forget received messages and events so far
    AnnounceTaskbar = 3,  // broadcast "TaskbarCreated", as a restarted shell does
    // The icon model; refused unless the stand-in runs with --modern-shell.
    ShareModel = 4,         // lpData: ModelRange, then the UTF-16 name of the file mapping (with its NUL)
    SetModelPositions = 5,  // lpData: ModelPosition[]; refused whole if any index is out of range
    Refresh = 6,            // lay every icon out again from the model
    // A display change: the desktop becomes DisplaySize (from where it starts
    // now, the taskbar still along its bottom), icons that no longer fit move
    // into free grid cells (with the model: the desktop is laid out from it
    // again, the moved icons included), then WM_DISPLAYCHANGE (bits per
    // pixel, MAKELPARAM(width, height)) is posted to every top-level window.
    // The system's own screen metrics stay as they are.
    ChangeDisplay = 7,  // lpData: DisplaySize
};

struct DisplaySize {
    int32_t width;
    int32_t height;
};

// Which items ShareModel lists: `count` items from `first`, clipped to the
// items there are (count 0: the header lines only).
struct ModelRange {
    int32_t first;
    int32_t count;
};

// When the text doesn't fit the mapping, ShareModel writes only its byte
// count, so the caller can ask again with a mapping that large.
constexpr uint32_t SharedModelHeader = sizeof(uint32_t);

struct ModelPosition {
    int32_t index;
    int32_t x;
    int32_t y;
};

}  // namespace orbilux::standin
