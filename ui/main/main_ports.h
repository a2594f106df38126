// What the main window's presenter needs of the system besides the stores,
// as small ports. Each has a Win32 adapter in ui/win32 and a fake in tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/geometry.h"

namespace orbilux::ui {

// The program's one tray icon. The record (icon, tip, window, callback
// message, id) is filled once; every add and delete reuses it.
class TrayIconPort {
public:
    virtual ~TrayIconPort() = default;
    virtual void fillRecord() = 0;
    virtual void addIcon() = 0;
    virtual void deleteIcon() = 0;  // harmless when no icon is shown
};

// A window's translucency: an alpha value (0 invisible .. 255 opaque) that
// shows only while blending is switched on; with blending off the window is
// fully opaque whatever the alpha value.
class WindowLayer {
public:
    virtual ~WindowLayer() = default;
    virtual void setAlpha(uint8_t alpha) = 0;
    virtual uint8_t alpha() const = 0;
    virtual void setBlending(bool on) = 0;
    virtual bool blending() const = 0;
};

// Hands an address (a web page, a mailto: link) to the shell, which opens
// the user's browser or mail program. Nothing is reported back.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void openAddress(const std::wstring& address) = 0;
};

// The screen as window placement sees it.
class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    // The primary work area (the screen less the taskbar), read anew.
    virtual Rect workArea() = 0;
    // Whether any part of the rectangle lies on a monitor that exists now.
    virtual bool onAnyMonitor(const Rect& rect) = 0;
    // The height of the taskbar window plus 15 pixels, 0 when there is no
    // taskbar window; read anew.
    virtual int32_t taskbarAllowance() = 0;
};

// The window program's timers besides the shape page's repeat timer. A
// timer ticks every interval until it is stopped; starting a running timer
// starts its interval anew.
enum class ProgramTimer {
    ScreenSettle,          // a display change is settling
    AutomaticLayoutCheck,  // the periodic look at whether any icon moved
};

class TimerPort {
public:
    virtual ~TimerPort() = default;
    virtual void startTimer(ProgramTimer timer, uint32_t intervalMs) = 0;
    virtual void stopTimer(ProgramTimer timer) = 0;  // harmless when it is not running
};

// File attributes as the file system reports them (the Win32 values).
namespace file_attributes {
inline constexpr uint32_t ReadOnly = 0x1;
inline constexpr uint32_t Hidden = 0x2;
inline constexpr uint32_t System = 0x4;
inline constexpr uint32_t Directory = 0x10;
inline constexpr uint32_t Archive = 0x20;
}  // namespace file_attributes

struct DirectoryEntry {
    std::wstring name;
    uint32_t attributes = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool fileExists(const std::wstring& path) = 0;
    // The entries of `folder` whose names match `pattern` ("*", "*.shp"; as
    // the system matches, without regard to case), "." and ".." included
    // when the system lists them, in the order the file system gives them.
    // Empty when the folder can't be read.
    virtual std::vector<DirectoryEntry> listDirectory(const std::wstring& folder, const std::wstring& pattern) = 0;
};

}  // namespace orbilux::ui
