// Readable GoogleTest output for the layout store's value types.
#pragma once

#include <ostream>

#include "desktop/layout_date.h"
#include "desktop/layout_info.h"
#include "desktop/layout_matching.h"
#include "platform/text.h"

namespace orbilux {

inline void PrintTo(const LocalDateTime& when, std::ostream* os) {
    *os << when.year << "-" << when.month << "-" << when.day << " " << when.hour << ":" << when.minute << ":"
        << when.second;
}

inline void PrintTo(const LayoutInfo& info, std::ostream* os) {
    *os << "{id \"" << Utf8FromWide(info.id) << "\", description \"" << Utf8FromWide(info.description)
        << "\", savedAt " << info.savedAt << ", " << info.screenWidth << "x" << info.screenHeight << ", "
        << info.iconCount << " icons}";
}

inline void PrintTo(const IconTarget& t, std::ostream* os) {
    *os << "{item " << t.index << " at " << t.x << "," << t.y << "}";
}

}  // namespace orbilux
