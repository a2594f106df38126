// Layout files: one saved layout as a UTF-8 JSON document that can travel to
// another PC and be added to its store (docs/LAYOUT-FILES.md describes the
// format for people who write such files by hand or by script).
//
// Reading is strict and bounded: anything that is not exactly a layout file
// of a known version is refused with a message saying what is wrong, and
// the reader never keeps more than the icons it accepts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/layout_date.h"

namespace orbilux {

constexpr int32_t LayoutFileVersion = 1;
constexpr const char* LayoutFileFormatName = "orbilux-layout";
constexpr std::size_t MaxLayoutFileBytes = 16u * 1024u * 1024u;
constexpr std::size_t MaxLayoutFileIcons = 50000;
// The longest icon name a layout keeps: the desktop bridge reads at most 254
// UTF-16 units of an item's text.
constexpr std::size_t MaxIconNameUnits = 254;
// Descriptions are read back from the store cut to this many characters.
constexpr std::size_t MaxLayoutDescriptionCharacters = 250;

struct LayoutFileIcon {
    std::wstring name;  // the item's text on the desktop it was saved from
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const LayoutFileIcon& other) const { return name == other.name && x == other.x && y == other.y; }
};

struct LayoutFile {
    std::wstring description;
    LocalDateTime savedAtUtc;  // when the layout was saved, in UTC
    int32_t screenWidth = 0;
    int32_t screenHeight = 0;
    // In saved order; names may repeat (desktops have such icons).
    std::vector<LayoutFileIcon> icons;

    bool operator==(const LayoutFile& other) const {
        return description == other.description && savedAtUtc == other.savedAtUtc && screenWidth == other.screenWidth &&
               screenHeight == other.screenHeight && icons == other.icons;
    }
};

// The document's bytes (UTF-8, one icon per line, ending with a newline).
std::string ComposeLayoutFile(const LayoutFile& layout);

struct LayoutFileParse {
    bool ok = false;
    LayoutFile layout;
    std::string error;  // what is wrong and where, when !ok
};

// Reads a whole document. Refused: more than MaxLayoutFileBytes, text that
// is not UTF-8 or not JSON, another format or version, a member missing,
// unknown or repeated within one object, a date that is not
// "YYYY-MM-DDThh:mm:ssZ", numbers that are not integers in signed 32-bit
// range, a description over 250 characters or an icon name over 254 UTF-16
// units or holding a NUL, more than MaxLayoutFileIcons icons, or an icon
// count that differs from the icons listed.
LayoutFileParse ParseLayoutFile(std::string_view bytes);

// "2024-03-07T14:05:09Z" and back; nullopt for text of any other form or a
// moment that doesn't exist.
std::string UtcIso8601(const LocalDateTime& when);
std::optional<LocalDateTime> ParseUtcIso8601(std::string_view text);

}  // namespace orbilux
