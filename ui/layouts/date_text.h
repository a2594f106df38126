// How a layout's saved-at time is shown: the user's short date, a space and
// the user's long time, the time left out when it is exactly 00:00:00. The
// patterns are Windows' own ("M/d/yyyy", "dd.MM.yyyy", "h:mm:ss tt",
// "HH:mm:ss"), read from the user's locale at every use.
#pragma once

#include <array>
#include <string>

namespace orbilux::ui {

struct DateDisplayFormat {
    std::wstring shortDate = L"M/d/yyyy";
    std::wstring longTime = L"h:mm:ss tt";
    std::wstring am = L"AM";
    std::wstring pm = L"PM";
    // January first; Sunday first.
    std::array<std::wstring, 12> months{L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                        L"July",    L"August",   L"September", L"October", L"November", L"December"};
    std::array<std::wstring, 12> shortMonths{L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                             L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
    std::array<std::wstring, 7> days{L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                     L"Thursday", L"Friday", L"Saturday"};
    std::array<std::wstring, 7> shortDays{L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
};

class DateDisplayFormatSource {
public:
    virtual ~DateDisplayFormatSource() = default;
    virtual DateDisplayFormat userFormat() = 0;
};

// The text of a savedAt number (days since 30 December 1899, the fraction
// the time of day); 30 December 1899 for a number that names no moment.
std::wstring DateText(double savedAt, const DateDisplayFormat& format);

}  // namespace orbilux::ui
