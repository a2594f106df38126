// The options the rest of the program reads, loaded once at start-up and
// replaced field by field when the options dialog is confirmed. The field
// names are the ones the whole program uses; the defaults are what a first
// run (no settings file) gets.
#pragma once

#include <cstdint>

namespace orbilux {

struct IntegerRange {
    int32_t min;
    int32_t max;
    int32_t clamp(int32_t value) const { return value < min ? min : value > max ? max : value; }
};

// The ranges of the integer options: the options dialog's sliders cover
// exactly these, and the main window's alpha value is a byte.
inline constexpr IntegerRange TransparencyRange{0, 255};
inline constexpr IntegerRange HueRange{0, 360};
inline constexpr IntegerRange SaturationRange{-100, 100};

struct ProgramOptions {
    bool RunAtStartup = false;  // the start-with-Windows entry exists (kept in the registry, not the file)
    bool MinimizeOnTray = false;
    bool LoadLastShape = false;
    bool SaveOnStartup = false;
    bool ConfirmSave = true;
    bool ConfirmLoad = true;
    bool AutoBlend = true;
    bool RestoreOnScreenChange = true;  // put the icons back after a display change
    int32_t Transparency = 90;          // main window's alpha while translucent, TransparencyRange
    int32_t Hue = 0;                    // skin hue offset in degrees, HueRange
    int32_t Saturation = 0;             // skin saturation change, SaturationRange

    bool operator==(const ProgramOptions& other) const {
        return RunAtStartup == other.RunAtStartup && MinimizeOnTray == other.MinimizeOnTray &&
               LoadLastShape == other.LoadLastShape && SaveOnStartup == other.SaveOnStartup &&
               ConfirmSave == other.ConfirmSave && ConfirmLoad == other.ConfirmLoad && AutoBlend == other.AutoBlend &&
               RestoreOnScreenChange == other.RestoreOnScreenChange && Transparency == other.Transparency &&
               Hue == other.Hue && Saturation == other.Saturation;
    }
    bool operator!=(const ProgramOptions& other) const { return !(*this == other); }
};

}  // namespace orbilux
