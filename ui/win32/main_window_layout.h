// Where the main window's own controls stand, in logical (96-DPI) pixels of
// its client area. The pages lay their controls out inside PageArea, in the
// page panel's own coordinates (0, 0 at its top-left corner).
#pragma once

#include "ui/geometry.h"

namespace orbilux::win32::layout {

inline constexpr int ClientWidth = 588;

inline constexpr ui::Rect PageTitle{8, 8, 100, 26};
// Its left edge moves with the page; a description too long for one line
// (the layouts page's, with the icon count) takes a second one.
inline constexpr ui::Rect PageDescription{102, 8, 486, 36};
inline constexpr ui::Rect AutoBlend{488, 6, 582, 26};

inline constexpr int ColumnLeft = 8;
inline constexpr int ColumnRight = 98;
inline constexpr ui::Rect AdjustShapeButton{ColumnLeft, 34, ColumnRight, 82};
inline constexpr ui::Rect ManageLayoutsButton{ColumnLeft, 88, ColumnRight, 136};
inline constexpr ui::Rect OptionsButton{ColumnLeft, 150, ColumnRight, 178};
inline constexpr ui::Rect HelpButton{ColumnLeft, 182, ColumnRight, 210};
inline constexpr ui::Rect AboutButton{ColumnLeft, 214, ColumnRight, 242};
inline constexpr ui::Rect PeekButton{ColumnLeft, 268, ColumnRight, 334};

// The page panels; 382 high so that they end above the reminder bar even
// in the shortest client area the window gets (outer height 510 with a
// tall caption and menu bar).
inline constexpr ui::Rect PageArea{106, 38, 582, 420};
inline constexpr int PageWidth = PageArea.right - PageArea.left;
inline constexpr int PageHeight = PageArea.bottom - PageArea.top;

// The reminder bar spans the client area's bottom edge; these are its
// controls in the bar's own coordinates.
inline constexpr int ReminderBarHeight = 31;
inline constexpr ui::Rect ReminderLabel{6, 8, 490, 24};
inline constexpr ui::Rect ReminderOkButton{494, 4, 582, 27};

// Snapping to the work area's edges while the window is dragged.
inline constexpr int SnapDistance = 20;

}  // namespace orbilux::win32::layout
