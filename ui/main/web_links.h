// The addresses the program opens: the help page, the home page and the
// support mail, each web page tagged with where the user clicked
// ("?source=" + tag) so the site can tell the button from the menus.
#pragma once

#include <string>

namespace orbilux::ui {

// Set at build time (see the README); the help page's path is fixed.
struct WebSite {
    std::wstring home;         // "https://host", no trailing slash
    std::wstring supportMail;  // "name@host"
};

inline constexpr const wchar_t* ButtonSourceTag = L"softh";  // the "Get help" button
inline constexpr const wchar_t* MenuSourceTag = L"soft";     // menu items and the About panel

std::wstring HelpPageAddress(const WebSite& site, const std::wstring& sourceTag);
std::wstring HomePageAddress(const WebSite& site, const std::wstring& sourceTag);
std::wstring SupportMailAddress(const WebSite& site);

}  // namespace orbilux::ui
