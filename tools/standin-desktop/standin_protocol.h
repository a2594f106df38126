// How tests talk to the stand-in desktop. Commands arrive as WM_COPYDATA on
// the "Progman" window (it exists in every mode); the stand-in answers TRUE
// when it carried the command out.
//
// The report is a UTF-8 text file, one record per line, fields separated by
// tabs:
//   style   <hex>                   the list view's style now
//   painting <0|1>                  whether its painting is switched on
//   item    <index> <x> <y> <text>  every item, in index order
//   received <message hex> <count>  list-view messages and WM_SETREDRAW sent from other threads
//   event   setpos <index> <x> <y>  each position message, in order of arrival
//   event   style <old hex> <new hex>  each style change, in order
//   event   redraw <0|1>            each WM_SETREDRAW sent from another thread, in order
//   tray    add <id> <callback hex> <tip> / delete <id>  tray icons sent to the taskbar
#pragma once

#include <cstdint>

namespace orbilux::standin {

enum Command : uintptr_t {
    WriteReport = 1,    // lpData: UTF-16 path of the report file (with its NUL)
    ResetCounters = 2,  // forget received messages and events so far
    AnnounceTaskbar = 3,  // broadcast "TaskbarCreated", as a restarted shell does
};

}  // namespace orbilux::standin
