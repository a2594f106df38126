// A saved layout's line in the "Restore layouts" menus. A menu is as wide as
// its longest line and shows control characters as boxes, so a description
// written outside the program (thousands of characters, tabs, line breaks)
// would make a menu wider than the screen. The line keeps its start and ends
// in an ellipsis; the layouts page still shows the whole description.
#pragma once

#include <cstddef>
#include <string>

namespace orbilux::ui {

// Enough for the date, the resolution and the start of a description.
inline constexpr std::size_t MaxMenuTextLength = 100;

// `text` with every control character as a space, cut to at most
// `maxLength` characters with an ellipsis as the last one.
std::wstring MenuText(const std::wstring& text, std::size_t maxLength = MaxMenuTextLength);

}  // namespace orbilux::ui
