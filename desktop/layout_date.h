// The saved-at time of a layout: the text it is stored as in a layout header,
// and the number it is handled as in memory.
//
// The text follows the pattern "M/d/yyyy hh:nn:ss AMPM": month and day without
// leading zeros, a four-digit year, the hour on the 12-hour clock (01 to 12),
// minutes and seconds with two digits, then the AM or PM designator. Every "/"
// is the user's date separator, every ":" the user's time separator, and the
// designators are the user's. It is read back with that same pattern (month
// first, whatever the locale's own date order), so a layout keeps its date on
// a day-first locale too.
//
// The number (`savedAt`) counts days since 30 December 1899; its fraction is
// the time of day. Before that day the fraction is subtracted rather than
// added (-1.25 is 29 December 1899, 06:00), so the fraction's size is always
// the time of day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orbilux {

// The order of day, month and year in the user's short date format.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The user's locale settings that dates are written and read with.
struct LocaleSettings {
    std::wstring dateSeparator = L"/";
    std::wstring timeSeparator = L":";
    std::wstring amDesignator = L"AM";
    std::wstring pmDesignator = L"PM";
    // Headers are always written and read month first; this is for showing
    // dates in the user's own order.
    DateOrder shortDateOrder = DateOrder::MonthDayYear;
};

// A local date and time to the second, as the clock reports it.
struct LocalDateTime {
    int32_t year = 1899;
    int32_t month = 12;  // 1 to 12
    int32_t day = 30;    // 1 to 31
    int32_t hour = 0;    // 0 to 23
    int32_t minute = 0;
    int32_t second = 0;

    bool operator==(const LocalDateTime& other) const {
        return year == other.year && month == other.month && day == other.day && hour == other.hour &&
               minute == other.minute && second == other.second;
    }
    bool operator!=(const LocalDateTime& other) const { return !(*this == other); }
};

// Whether the fields name a real moment: years 1 to 9999, the month's own
// number of days (leap years by the Gregorian rule), 00:00:00 to 23:59:59.
bool IsValidDateTime(const LocalDateTime& when);

// The order of day, month and year in a Windows short date pattern such as
// "M/d/yyyy", "dd.MM.yyyy" or "yyyy-MM-dd" (quoted literal text and weekday
// names are skipped). Month first when the pattern names none of them.
DateOrder DateOrderFromPattern(const std::wstring& shortDatePattern);

// The settings the header text is actually written and read with. A separator
// that is empty, holds a digit or the header's field separator would make the
// text unreadable, so "/" or ":" stands in for it. Designators that are empty,
// hold a digit or the field separator, or can't be told apart would lose the
// half of the day, so the literal "AM" and "PM" stand in for both.
LocaleSettings UsableLocale(const LocaleSettings& locale);

// The header text of a moment ("3/7/2024 02:05:09 PM" on an English (United
// States) locale for 14:05:09 on 7 March 2024).
std::wstring FormatSavedAtText(const LocalDateTime& when, const LocaleSettings& locale);

// Reads a header's date text with the pattern it is written with: month, day
// and year joined by the date separator, a space, hours, minutes and seconds
// joined by the time separator, then optionally a designator (the locale's or
// the literal "AM"/"PM", in any letter case). With a designator the hour is on
// the 12-hour clock (12 AM is 0, 12 PM is 12); without one it is 0 to 23.
// nullopt when the text doesn't fit the pattern or names no real moment.
std::optional<LocalDateTime> ParseSavedAtText(const std::wstring& text, const LocaleSettings& locale);

// The savedAt number of a moment; nullopt when it isn't a valid date-time.
std::optional<double> SavedAtFromDateTime(const LocalDateTime& when);

// The moment a savedAt number names, rounded to the second; nullopt for
// numbers that are not finite or fall outside the years 1 to 9999.
std::optional<LocalDateTime> DateTimeFromSavedAt(double savedAt);

// The savedAt of a header's date text: 0 when it doesn't parse, as for a
// header that can't be read at all.
double SavedAtFromText(const std::wstring& text, const LocaleSettings& locale);

// "2024-03-07T14:05:09": local time, no zone (the registry stores none).
// nullopt when DateTimeFromSavedAt has no moment for the number.
std::optional<std::string> SavedAtToIso8601(double savedAt);

}  // namespace orbilux
