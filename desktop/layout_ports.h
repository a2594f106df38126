// What the layout store needs of the system besides the registry and the
// desktop: the local time, the user's locale settings, the primary screen's
// size, a high-resolution clock to seed new ids from, and the time zone. The Win32 adapters
// are in desktop/win32/layout_ports_win32.h; tests use fixed fakes.
#pragma once

#include <cstdint>
#include <optional>

#include "desktop/layout_date.h"

namespace orbilux {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time now.
    virtual LocalDateTime localNow() = 0;
};

class LocaleSource {
public:
    virtual ~LocaleSource() = default;
    // The user's settings as they are now (the user may change them while
    // the program runs, so they are asked for at every use).
    virtual LocaleSettings userLocale() = 0;
};

struct ScreenSize {
    int32_t width = 0;
    int32_t height = 0;
};

class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    // The primary screen's size in pixels.
    virtual ScreenSize primaryScreenSize() = 0;
};

class TickSource {
public:
    virtual ~TickSource() = default;
    // A fast-moving counter (the performance counter, or the millisecond
    // tick count where there is none) that new ids are seeded from.
    virtual uint64_t highResolutionTicks() = 0;
};

// Converts between local time and UTC with the rules of the user's time
// zone for that date (layout headers hold local time, layout files UTC).
class TimeZone {
public:
    virtual ~TimeZone() = default;
    // nullopt when the moment can't be converted.
    virtual std::optional<LocalDateTime> localToUtc(const LocalDateTime& local) = 0;
    virtual std::optional<LocalDateTime> utcToLocal(const LocalDateTime& utc) = 0;
};

}  // namespace orbilux
