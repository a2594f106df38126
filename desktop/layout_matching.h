// The icon values of a saved layout and how they find their icons again.
//
// A layout's icon key holds one REG_BINARY value of 8 bytes per desktop item
// (x then y, signed 32-bit little-endian), named by the item's index at the
// time of saving followed directly by its text: item 12 "Notes" is "12Notes".
//
// Restoring goes by name rather than by the order the registry happens to
// enumerate the values in (Windows keeps the order of writing, Wine sorts by
// name), and rather than by index alone, which would hand an icon another
// icon's place once icons were added, removed or re-sorted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/shape_types.h"
#include "platform/registry_port.h"

namespace orbilux {

constexpr std::size_t IconValueSize = 8;

struct StoredIconPosition {
    std::wstring name;
    int32_t x = 0;
    int32_t y = 0;
};

std::wstring IconValueName(int32_t index, const std::wstring& text);
std::vector<uint8_t> IconValueData(int32_t x, int32_t y);

// The values that hold a position: REG_BINARY with exactly 8 bytes. Values of
// any other type or size were not written by a save and are skipped.
std::vector<StoredIconPosition> StoredPositions(const std::vector<RegistryValue>& values);

// Gives the current items (their texts, by index) their saved positions, as
// targets to move them to.
// Item i with text t takes the value named exactly i followed by t when there
// is one. Otherwise it takes an unused value named by some decimal index
// followed by t, the lowest such index first, so that icons of the same name
// pair up in their saved order. An item with no such value is left out and
// keeps its place. Every value is used at most once. The result is in
// increasing item index.
//
// A name can read as more than one index and text: "11Password" is item 1
// "1Password" and item 11 "Password". The save wrote them in item order, so
// the value holds the position of the last of them; among the current texts
// it belongs to the reading with the highest index, and items of the other
// texts never take it.
IconTargets MatchSavedPositions(const std::vector<StoredIconPosition>& stored,
                                const std::vector<std::wstring>& currentTexts);

}  // namespace orbilux
