// The main window's own texts: titles, captions, hints and messages. They
// are the program's words as users know them (and as our GUI tests find
// controls by), so they live here once and are used exactly as written.
#pragma once

namespace orbilux::ui::texts {

inline constexpr const wchar_t* AppTitle = L"Orbilux";
inline constexpr const wchar_t* InitialWindowTitle = L"Orbilux 0.9 (beta)";

// Messages.
inline constexpr const wchar_t* WelcomeMessage =
    L"Welcome to Orbilux!\r\n\r\n We just saved you desktop icons layout so you can restore it later if you "
    L"want.\r\n\r\n!!! In order to make Orbilux work you have to disable Align To Grid and Auto arrange before "
    L"closing this dialog: \r\n  -  For Windows XP users : Right click on Desktop, select Arrange By and uncheck "
    L"Align To Grid and Auto arrange\r\n  -  For Windows Vista/7 users : Right click on Desktop, select View and "
    L"uncheck Align to Grid and Auto arrange";
inline constexpr const wchar_t* IconGuardMessage =
    L"You don't have enough icons on desktop or reinitialization is required.\r\nIf you have more than 10 icons "
    L"on desktop please restart the program.";
inline constexpr const wchar_t* ReminderMessage =
    L"In order to make Orbilux work you have to disable Align To Grid and Auto arrange before closing this "
    L"dialog: \r\n  -  For Windows XP users : Right click on Desktop, select Arrange By and uncheck Align To Grid "
    L"and Auto arrange\r\n  -  For Windows Vista/7 users : Right click on Desktop, select View and uncheck Align "
    L"to Grid and Auto arrange";

// Layout descriptions of the saves the start-up makes.
inline constexpr const wchar_t* FirstUseSaveDescription = L"First use save.";
inline constexpr const wchar_t* StartupSaveDescription = L"Saved when program started.";

// Header line.
inline constexpr const wchar_t* AutoBlendCaption = L"Auto blend";
inline constexpr const wchar_t* AutoBlendHint =
    L"The application window becomes transparent \r\nallowing you to see the desktop layout changes\r\nwithout "
    L"minimizing or moving the form.";

// Left button column (captions as the buttons show them).
inline constexpr const wchar_t* AdjustShapeButton = L"Adjust shape";
inline constexpr const wchar_t* AdjustShapeHint = L"browse for shapes and adjust the shape size and position";
inline constexpr const wchar_t* ManageLayoutsButton = L"Manage Layouts";
inline constexpr const wchar_t* ManageLayoutsHint = L"save and restore multiple desktop layouts";
inline constexpr const wchar_t* PeekButton = L"Move mouse over here to see the shape";

// Shape page hints.
inline constexpr const wchar_t* GapBarHint =
    L"Set the space between 2 appropiate icons.\r\nUseful to increase the shape quality when\r\nthe icons number is "
    L"too "
    L"high or too low.";
inline constexpr const wchar_t* FitButtonHint = L"Fit the shape to screen size";

// Reminder bar.
inline constexpr const wchar_t* ReminderLabel =
    L"IMPORTANT: Make sure you disable Align to Grid and Auto-Arrange for desktop icons ";
inline constexpr const wchar_t* ReminderOkButton = L"Ok, I disabled";

// Main menu.
inline constexpr const wchar_t* FileMenu = L"File";
inline constexpr const wchar_t* ExitItem = L"Exit";
inline constexpr const wchar_t* SaveLayoutMenu = L"Save layout";
inline constexpr const wchar_t* SaveLayoutWithDescriptionItem = L"Save layout with description";
inline constexpr const wchar_t* RestoreLayoutsMenu = L"Restore layouts";
inline constexpr const wchar_t* HelpMenu = L"Help";
inline constexpr const wchar_t* GetHelpItem = L"Get help...";
inline constexpr const wchar_t* HomepageItem = L"Homepage";
inline constexpr const wchar_t* AboutItem = L"About";

// Tray menu.
inline constexpr const wchar_t* TrayAboutItem = L"About...";
inline constexpr const wchar_t* TrayOptionsItem = L"Options...";
inline constexpr const wchar_t* TraySaveLayoutItem = L"Save layout";
inline constexpr const wchar_t* TrayRestoreLayoutsItem = L"Restore previously saved layouts";
inline constexpr const wchar_t* TrayRefreshShapeItem = L"Refresh shape";
inline constexpr const wchar_t* TrayShowItem = L"Show";
inline constexpr const wchar_t* TrayExitItem = L"Exit";

}  // namespace orbilux::ui::texts
