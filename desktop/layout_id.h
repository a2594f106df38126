// Layout ids: eight decimal digits, leading zeros allowed.
#pragma once

#include <cstdint>
#include <string>

namespace orbilux {

constexpr std::size_t LayoutIdDigits = 8;

// Eight digits drawn from a generator seeded with `seed`, each of 0 to 9
// equally likely. The store seeds it afresh from the high-resolution clock
// for every new id; nothing makes sure the id is still free (saving under an
// existing id replaces that layout).
std::wstring LayoutIdFromSeed(uint64_t seed);

// Whether a saving, restoring or deleting operation may use the id as part of
// a registry key path: not empty (that would be the parent of every layout's
// icon key) and without a "\" (which would reach into another key) or a NUL.
bool IsUsableLayoutId(const std::wstring& id);

}  // namespace orbilux
