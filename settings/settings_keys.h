// Every key of the settings file with its section and the value a read
// yields when the key is missing or unreadable. The texts are the file's
// own and must not change: files written by earlier runs are read by them.
#pragma once

#include <cstdint>

namespace orbilux {

struct BoolKey {
    const wchar_t* section;
    const wchar_t* name;
    bool fallback;
};

struct IntegerKey {
    const wchar_t* section;
    const wchar_t* name;
    int32_t fallback;
};

struct StringKey {
    const wchar_t* section;
    const wchar_t* name;
    const wchar_t* fallback;
};

namespace keys {

inline constexpr const wchar_t* OptionsSection = L"Options";
inline constexpr const wchar_t* SettingsSection = L"Settings";
inline constexpr const wchar_t* FormSection = L"Form";

// The options, written when the options dialog is confirmed ("Auto blend"
// also at shutdown, from the main window's check box).
inline constexpr BoolKey MinimizeOnTray{OptionsSection, L"Minimize on Tray", false};
inline constexpr BoolKey LoadLastShape{OptionsSection, L"Load last shape used", false};
inline constexpr BoolKey SaveOnStartup{OptionsSection, L"Save on startup", false};
inline constexpr BoolKey ConfirmSave{OptionsSection, L"Show confirmation dialog when saving", true};
inline constexpr BoolKey ConfirmLoad{OptionsSection, L"Show confirmation dialog when loading", true};
inline constexpr BoolKey AutoBlend{OptionsSection, L"Auto blend", true};
inline constexpr IntegerKey Transparency{OptionsSection, L"Transparency", 90};
inline constexpr IntegerKey Hue{OptionsSection, L"Hue", 0};
inline constexpr IntegerKey Saturation{OptionsSection, L"Saturation", 0};
inline constexpr BoolKey RestoreOnScreenChange{OptionsSection, L"Restore icons when the screen changes", true};

// The main window's and the shape page's state, written at shutdown.
inline constexpr BoolKey Knows{SettingsSection, L"Knows", false};  // the reminder bar was dismissed
inline constexpr StringKey ShapePath{SettingsSection, L"SPath", L""};
// The width bar's position reads as 1 when missing; whether a shape state
// was stored at all is told by reading the same key with -1 instead.
inline constexpr IntegerKey ShapeWidth{SettingsSection, L"SWidth", 1};
inline constexpr IntegerKey ShapeWidthPresence{SettingsSection, L"SWidth", -1};
inline constexpr IntegerKey ShapeHeight{SettingsSection, L"SHeight", 1};
inline constexpr IntegerKey ShapeGap{SettingsSection, L"SGap", 1};
inline constexpr IntegerKey ShapeDx{SettingsSection, L"Sdx", 0};
inline constexpr IntegerKey ShapeDy{SettingsSection, L"Sdy", 0};
inline constexpr IntegerKey FormLeft{FormSection, L"Left", -1};  // -1: no position stored
inline constexpr IntegerKey FormTop{FormSection, L"Top", 0};
// The primary screen's size the state was written on; 0 when unknown.
inline constexpr IntegerKey ScreenWidth{FormSection, L"Screen width", 0};
inline constexpr IntegerKey ScreenHeight{FormSection, L"Screen height", 0};

}  // namespace keys

}  // namespace orbilux
