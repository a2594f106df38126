// The texts the desktop bridge and the layout store show when the desktop's
// list view can't be found (both followed by a quit request).
#pragma once

namespace orbilux {

// The item count.
constexpr const wchar_t* NoDesktopCountMessage =
    L"Cannot handle desktop items. Please restart windows in order to make the program working again.";
// Moving icons, saving and restoring layouts.
constexpr const wchar_t* NoDesktopMessage =
    L"Cannot handle desktop items. You have to restart windows in order to make the program working again.";

}  // namespace orbilux
