// The desktop items' ids as the shell view hands them out: single-level
// PIDLs made in the caller's process (the DLL runs in-process), each an
// SHITEMID with a tag and the item's index, allocated with CoTaskMemAlloc
// and ended by a zero length. Plus the enumerator over a run of them.
#pragma once

#include <shlobj.h>

#include <optional>

namespace orbilux::shellview {

// A new id for item `index` that the caller frees with CoTaskMemFree, or
// null when there is no memory.
LPITEMIDLIST NewItemId(int index);
// The index in an id of ours; nullopt for anything else.
std::optional<int> ItemIndex(LPCITEMIDLIST id);

// Hands out ids for the items [0, count), or none.
HRESULT NewItemEnumerator(int count, REFIID riid, void** ppv);

}  // namespace orbilux::shellview
