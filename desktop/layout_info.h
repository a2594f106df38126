// The header of one saved layout as it is read back from the registry.
#pragma once

#include <cstdint>
#include <string>

namespace orbilux {

struct LayoutInfo {
    // The header's whole value name, even one longer than the 8 digits of
    // the ids this program makes (another program may have written it), so
    // that what is listed can be named again. Empty means "no layout".
    std::wstring id;
    std::wstring description;  // at most 250 characters
    double savedAt = 0.0;      // days since 30 December 1899, fraction = time of day (see layout_date.h)
    int32_t screenWidth = 0;
    int32_t screenHeight = 0;
    int32_t iconCount = 0;

    bool operator==(const LayoutInfo& other) const {
        return id == other.id && description == other.description && savedAt == other.savedAt &&
               screenWidth == other.screenWidth && screenHeight == other.screenHeight && iconCount == other.iconCount;
    }
    bool operator!=(const LayoutInfo& other) const { return !(*this == other); }
};

}  // namespace orbilux
