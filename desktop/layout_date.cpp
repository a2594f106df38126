#include "desktop/layout_date.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "desktop/layout_header.h"

namespace orbilux {

namespace {

constexpr int64_t SecondsPerDay = 86400;

bool IsLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t DaysInMonth(int32_t year, int32_t month) {
    static const int32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return days[month - 1];
}

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar, and
// back (the well-known era-based conversion; exact for every year used here).
constexpr int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, int64_t& year, int64_t& month, int64_t& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shifted = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    month = shifted < 10 ? shifted + 3 : shifted - 9;
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

constexpr int64_t EpochDays = DaysFromCivil(1899, 12, 30);

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u00A0' || c == L'\u202F'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

wchar_t FoldAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool SameIgnoringAsciiCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

std::wstring Trimmed(const std::wstring& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// Text that would break the header if it were part of the date field.
bool BreaksTheField(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return IsDigit(c) || c == HeaderSeparator; });
}

std::wstring Padded(int32_t value, std::size_t width) {
    std::wstring text = std::to_wstring(value);
    if (value >= 0 && text.size() < width) text.insert(0, width - text.size(), L'0');
    return text;
}

// Walks a date text from left to right. Runs of spaces between the parts
// are allowed; separators are matched without their own surrounding spaces,
// so ". " as a separator reads "3. 7. 2024" and also "3.7.2024".
class Scanner {
public:
    explicit Scanner(const std::wstring& text) : text_(text) {}

    bool skipSpaces() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
        return pos_ > start;
    }

    bool number(std::size_t minDigits, std::size_t maxDigits, int32_t& value) {
        std::size_t digits = 0;
        int32_t result = 0;
        while (digits < maxDigits && pos_ < text_.size() && IsDigit(text_[pos_])) {
            result = result * 10 + (text_[pos_] - L'0');
            ++pos_;
            ++digits;
        }
        // More digits than the field may hold: not this pattern.
        if (digits < minDigits || (pos_ < text_.size() && IsDigit(text_[pos_]))) return false;
        value = result;
        return true;
    }

    bool separator(const std::wstring& separatorText) {
        const std::wstring core = Trimmed(separatorText);
        const bool spaced = skipSpaces();
        if (core.empty()) return spaced;  // a separator made of spaces only
        if (!literal(core)) return false;
        skipSpaces();
        return true;
    }

    bool literal(const std::wstring& token) {
        if (token.empty() || text_.size() - pos_ < token.size()) return false;
        if (!SameIgnoringAsciiCase(text_.substr(pos_, token.size()), token)) return false;
        pos_ += token.size();
        return true;
    }

    bool atEnd() const { return pos_ == text_.size(); }

private:
    const std::wstring& text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool IsValidDateTime(const LocalDateTime& when) {
    if (when.year < 1 || when.year > 9999 || when.month < 1 || when.month > 12) return false;
    if (when.day < 1 || when.day > DaysInMonth(when.year, when.month)) return false;
    return when.hour >= 0 && when.hour <= 23 && when.minute >= 0 && when.minute <= 59 && when.second >= 0 &&
           when.second <= 59;
}

DateOrder DateOrderFromPattern(const std::wstring& shortDatePattern) {
    const std::wstring& p = shortDatePattern;
    for (std::size_t i = 0; i < p.size();) {
        const wchar_t c = p[i];
        if (c == L'\'') {  // quoted literal text, up to the closing quote
            const std::size_t close = p.find(L'\'', i + 1);
            i = close == std::wstring::npos ? p.size() : close + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < p.size() && p[i + run] == c) ++run;
        if (c == L'y' || c == L'Y') return DateOrder::YearMonthDay;
        if (c == L'M') return DateOrder::MonthDayYear;
        if (c == L'd' && run <= 2) return DateOrder::DayMonthYear;  // "ddd" and "dddd" are weekday names
        i += run;
    }
    return DateOrder::MonthDayYear;
}

LocaleSettings UsableLocale(const LocaleSettings& locale) {
    LocaleSettings usable = locale;
    const LocaleSettings fallback;
    if (usable.dateSeparator.empty() || BreaksTheField(usable.dateSeparator))
        usable.dateSeparator = fallback.dateSeparator;
    if (usable.timeSeparator.empty() || BreaksTheField(usable.timeSeparator))
        usable.timeSeparator = fallback.timeSeparator;
    const std::wstring am = Trimmed(usable.amDesignator);
    const std::wstring pm = Trimmed(usable.pmDesignator);
    if (am.empty() || pm.empty() || BreaksTheField(am) || BreaksTheField(pm) || SameIgnoringAsciiCase(am, pm)) {
        usable.amDesignator = fallback.amDesignator;
        usable.pmDesignator = fallback.pmDesignator;
    } else {
        usable.amDesignator = am;
        usable.pmDesignator = pm;
    }
    return usable;
}

std::wstring FormatSavedAtText(const LocalDateTime& when, const LocaleSettings& locale) {
    const LocaleSettings use = UsableLocale(locale);
    const int32_t hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    return std::to_wstring(when.month) + use.dateSeparator + std::to_wstring(when.day) + use.dateSeparator +
           Padded(when.year, 4) + L" " + Padded(hour12, 2) + use.timeSeparator + Padded(when.minute, 2) +
           use.timeSeparator + Padded(when.second, 2) + L" " +
           (when.hour < 12 ? use.amDesignator : use.pmDesignator);
}

std::optional<LocalDateTime> ParseSavedAtText(const std::wstring& text, const LocaleSettings& locale) {
    const LocaleSettings use = UsableLocale(locale);
    Scanner scan(text);
    LocalDateTime when;
    scan.skipSpaces();
    if (!scan.number(1, 2, when.month) || !scan.separator(use.dateSeparator) || !scan.number(1, 2, when.day) ||
        !scan.separator(use.dateSeparator) || !scan.number(4, 4, when.year))
        return std::nullopt;
    if (!scan.skipSpaces()) return std::nullopt;
    if (!scan.number(1, 2, when.hour) || !scan.separator(use.timeSeparator) || !scan.number(1, 2, when.minute) ||
        !scan.separator(use.timeSeparator) || !scan.number(1, 2, when.second))
        return std::nullopt;
    scan.skipSpaces();

    // The longest designator first, so that one that begins another can't
    // take its place.
    struct Designator {
        std::wstring text;
        bool pm;
    };
    std::vector<Designator> designators = {
        {use.amDesignator, false}, {use.pmDesignator, true}, {L"AM", false}, {L"PM", true}};
    std::stable_sort(designators.begin(), designators.end(),
                     [](const Designator& a, const Designator& b) { return a.text.size() > b.text.size(); });
    for (const Designator& d : designators) {
        if (!scan.literal(d.text)) continue;
        if (when.hour > 12) return std::nullopt;
        if (when.hour == 12) when.hour = 0;
        if (d.pm) when.hour += 12;
        break;
    }
    scan.skipSpaces();
    if (!scan.atEnd() || !IsValidDateTime(when)) return std::nullopt;
    return when;
}

std::optional<double> SavedAtFromDateTime(const LocalDateTime& when) {
    if (!IsValidDateTime(when)) return std::nullopt;
    const int64_t days = DaysFromCivil(when.year, when.month, when.day) - EpochDays;
    const double time = double(when.hour * 3600 + when.minute * 60 + when.second) / double(SecondsPerDay);
    return days < 0 ? double(days) - time : double(days) + time;
}

std::optional<LocalDateTime> DateTimeFromSavedAt(double savedAt) {
    // Beyond these the conversion below could overflow; both are far outside
    // the years 1 to 9999 anyway.
    if (!std::isfinite(savedAt) || std::fabs(savedAt) > 1.0e7) return std::nullopt;
    int64_t days = static_cast<int64_t>(std::trunc(savedAt));
    int64_t seconds = std::llround(std::fabs(savedAt - std::trunc(savedAt)) * double(SecondsPerDay));
    if (seconds >= SecondsPerDay) {  // rounded up to the next midnight
        seconds -= SecondsPerDay;
        days += savedAt < 0 ? -1 : 1;
    }
    int64_t year = 0, month = 0, day = 0;
    CivilFromDays(days + EpochDays, year, month, day);
    if (year < 1 || year > 9999) return std::nullopt;
    LocalDateTime when;
    when.year = static_cast<int32_t>(year);
    when.month = static_cast<int32_t>(month);
    when.day = static_cast<int32_t>(day);
    when.hour = static_cast<int32_t>(seconds / 3600);
    when.minute = static_cast<int32_t>(seconds / 60 % 60);
    when.second = static_cast<int32_t>(seconds % 60);
    return when;
}

double SavedAtFromText(const std::wstring& text, const LocaleSettings& locale) {
    const auto when = ParseSavedAtText(text, locale);
    if (!when) return 0.0;
    return SavedAtFromDateTime(*when).value_or(0.0);
}

std::optional<std::string> SavedAtToIso8601(double savedAt) {
    const auto when = DateTimeFromSavedAt(savedAt);
    if (!when) return std::nullopt;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", int(when->year), int(when->month),
                  int(when->day), int(when->hour), int(when->minute), int(when->second));
    return std::string(text);
}

}  // namespace orbilux
