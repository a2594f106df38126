// The real system behind the core's ports, built in one place: the window
// program and orbiluxctl hold one SystemAdapters each for their whole run
// and hand its members to the engine, the layout store and the settings
// store. The adapters keep no state of their own between calls.
#pragma once

#include "desktop/layout_store.h"
#include "desktop/shell_desktop_port.h"
#include "desktop/win32/layout_ports_win32.h"
#include "desktop/win32/shell_view_win32.h"
#include "desktop/win32/win32_desktop.h"
#include "platform/user_notifier.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/registry_win32.h"
#include "settings/win32/profile_win32.h"
#include "settings/win32/system_locations_win32.h"

namespace orbilux::system {

struct SystemAdapters {
    // First: the shell's objects are reached through COM on this thread.
    win32::ComApartment com;
    win32::Win32Registry registry;
    win32::Win32DesktopAccess desktop;
    win32::Win32ShellIconModel shellModel;
    win32::Win32Profile profile;
    win32::Win32SystemLocations locations;
    win32::Win32Clock clock;
    win32::Win32LocaleSource locale;
    win32::Win32ScreenMetrics screen;
    win32::Win32TickSource ticks;

    // The shape engine's desktop, telling `notifier` when there is none.
    // Keep it as long as the engine that uses it.
    ShellDesktopPort desktopPort(UserNotifier& notifier);
    // The layout store's ports, its messages going to `notifier`.
    LayoutStorePorts layoutStorePorts(UserNotifier& notifier);
};

}  // namespace orbilux::system
