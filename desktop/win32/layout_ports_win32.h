// The layout store's system ports on Windows: local time, the user's locale,
// the primary screen's size, the performance counter and the time zone.
#pragma once

#include "desktop/layout_ports.h"

namespace orbilux::win32 {

class Win32Clock : public Clock {
public:
    LocalDateTime localNow() override;
};

// Reads the user's current settings at every call (GetLocaleInfoEx with
// LOCALE_NAME_USER_DEFAULT). A setting that can't be read keeps the default
// of LocaleSettings.
class Win32LocaleSource : public LocaleSource {
public:
    LocaleSettings userLocale() override;
};

class Win32ScreenMetrics : public ScreenMetrics {
public:
    ScreenSize primaryScreenSize() override;
};

// QueryPerformanceCounter, or GetTickCount64 where the counter fails.
class Win32TickSource : public TickSource {
public:
    uint64_t highResolutionTicks() override;
};

// TzSpecificLocalTimeToSystemTime and back, with the current time zone.
class Win32TimeZone : public TimeZone {
public:
    std::optional<LocalDateTime> localToUtc(const LocalDateTime& local) override;
    std::optional<LocalDateTime> utcToLocal(const LocalDateTime& utc) override;
};

}  // namespace orbilux::win32
