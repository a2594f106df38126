#include "desktop/win32/layout_ports_win32.h"

#include <windows.h>

#include <optional>
#include <string>

namespace orbilux::win32 {

namespace {

std::optional<std::wstring> LocaleText(LCTYPE type) {
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text.data(), length);
    if (written <= 0) return std::nullopt;
    text.resize(static_cast<std::size_t>(written - 1));  // the count includes the NUL
    return text;
}

}  // namespace

namespace {

SYSTEMTIME ToSystemTime(const LocalDateTime& when) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(when.year);
    time.wMonth = static_cast<WORD>(when.month);
    time.wDay = static_cast<WORD>(when.day);
    time.wHour = static_cast<WORD>(when.hour);
    time.wMinute = static_cast<WORD>(when.minute);
    time.wSecond = static_cast<WORD>(when.second);
    return time;
}

LocalDateTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

}  // namespace

std::optional<LocalDateTime> Win32TimeZone::localToUtc(const LocalDateTime& local) {
    // The rules of the current time zone for that date (daylight saving
    // time included); SYSTEMTIME only reaches back to 1601.
    if (!IsValidDateTime(local) || local.year < 1601) return std::nullopt;
    const SYSTEMTIME in = ToSystemTime(local);
    SYSTEMTIME out{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &in, &out)) return std::nullopt;
    return FromSystemTime(out);
}

std::optional<LocalDateTime> Win32TimeZone::utcToLocal(const LocalDateTime& utc) {
    if (!IsValidDateTime(utc) || utc.year < 1601) return std::nullopt;
    const SYSTEMTIME in = ToSystemTime(utc);
    SYSTEMTIME out{};
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &in, &out)) return std::nullopt;
    return FromSystemTime(out);
}

LocalDateTime Win32Clock::localNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    LocalDateTime when;
    when.year = now.wYear;
    when.month = now.wMonth;
    when.day = now.wDay;
    when.hour = now.wHour;
    when.minute = now.wMinute;
    when.second = now.wSecond;
    return when;
}

LocaleSettings Win32LocaleSource::userLocale() {
    LocaleSettings settings;
    if (auto text = LocaleText(LOCALE_SDATE)) settings.dateSeparator = *text;
    if (auto text = LocaleText(LOCALE_STIME)) settings.timeSeparator = *text;
    if (auto text = LocaleText(LOCALE_S1159)) settings.amDesignator = *text;
    if (auto text = LocaleText(LOCALE_S2359)) settings.pmDesignator = *text;
    if (auto text = LocaleText(LOCALE_SSHORTDATE)) settings.shortDateOrder = DateOrderFromPattern(*text);
    return settings;
}

ScreenSize Win32ScreenMetrics::primaryScreenSize() {
    return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

uint64_t Win32TickSource::highResolutionTicks() {
    LARGE_INTEGER counter{};
    if (QueryPerformanceCounter(&counter) && counter.QuadPart != 0) return static_cast<uint64_t>(counter.QuadPart);
    return GetTickCount64();
}

}  // namespace orbilux::win32
