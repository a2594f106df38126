#include "ui/layouts/date_text.h"

#include <algorithm>
#include <cmath>

#include "desktop/layout_date.h"

namespace orbilux::ui {

namespace {

std::wstring Padded(int value, std::size_t width) {
    std::wstring text = std::to_wstring(value);
    if (text.size() < width) text.insert(0, width - text.size(), L'0');
    return text;
}

// Sunday is 0; 30 December 1899 (day 0) was a Saturday. Before it the
// fraction is the time of day too, so the day is the number cut to zero.
int WeekDay(double savedAt) {
    const long long days = static_cast<long long>(std::trunc(savedAt));
    return static_cast<int>(((days + 6) % 7 + 7) % 7);
}

// Expands a Windows date or time pattern: runs of one letter are fields,
// text in single quotes is literal ('' is a quote), anything else is kept.
std::wstring Expand(const std::wstring& pattern, const LocalDateTime& when, int weekDay,
                    const DateDisplayFormat& format) {
    std::wstring text;
    for (std::size_t i = 0; i < pattern.size();) {
        const wchar_t c = pattern[i];
        if (c == L'\'') {
            const std::size_t end = pattern.find(L'\'', i + 1);
            if (end == i + 1) text += L'\'';
            text += pattern.substr(i + 1, (end == std::wstring::npos ? pattern.size() : end) - i - 1);
            i = end == std::wstring::npos ? pattern.size() : end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
        const std::wstring& designator = when.hour < 12 ? format.am : format.pm;
        switch (c) {
            case L'd':
                if (run <= 2)
                    text += Padded(when.day, run);
                else
                    text += run == 3 ? format.shortDays[std::size_t(weekDay)] : format.days[std::size_t(weekDay)];
                break;
            case L'M':
                if (run <= 2)
                    text += Padded(when.month, run);
                else
                    text += (run == 3 ? format.shortMonths : format.months)[std::size_t(when.month - 1)];
                break;
            case L'y':
                if (run <= 2)
                    text += Padded(when.year % 100, run);
                else
                    text += Padded(when.year, 4);
                break;
            case L'h':
                text += Padded(hour12, std::min<std::size_t>(run, 2));
                break;
            case L'H':
                text += Padded(when.hour, std::min<std::size_t>(run, 2));
                break;
            case L'm':
                text += Padded(when.minute, std::min<std::size_t>(run, 2));
                break;
            case L's':
                text += Padded(when.second, std::min<std::size_t>(run, 2));
                break;
            case L't':
                text += run == 1 ? designator.substr(0, 1) : designator;
                break;
            case L'g':
                break;  // the era: none in the Gregorian calendar
            default:
                text.append(run, c);
        }
        i += run;
    }
    return text;
}

}  // namespace

std::wstring DateText(double savedAt, const DateDisplayFormat& format) {
    std::optional<LocalDateTime> when = DateTimeFromSavedAt(savedAt);
    if (!when) {
        when = LocalDateTime{};
        savedAt = 0;
    }
    std::wstring text = Expand(format.shortDate, *when, WeekDay(savedAt), format);
    if (when->hour != 0 || when->minute != 0 || when->second != 0)
        text += L" " + Expand(format.longTime, *when, WeekDay(savedAt), format);
    return text;
}

}  // namespace orbilux::ui
