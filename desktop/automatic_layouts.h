// The automatic layouts: one saved layout per screen size that the program
// keeps up to date by itself, so that after a display change there is always
// a recent arrangement of that size to go back to.
//
//   Software\Orbilux\Automatic      one string value per screen size, named
//                                   "<width>x<height>", holding the id of
//                                   that size's automatic layout
//
// The layouts themselves are ordinary layouts of the store (described
// "Automatic: W x H" when first written): they list, restore, rename and
// delete like any other, but are never "the newest layout" (FindNewestLayout). A refresh rewrites the one id of the
// current size in place; a deleted one is made anew under a fresh id at the next refresh. Nothing is written when no
// icon moved since the last write.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "desktop/layout_store.h"

namespace orbilux {

// "Automatic: 1280 x 1024".
std::wstring AutomaticLayoutDescription(ScreenSize size);

enum class AutomaticRefresh {
    Written,    // an icon had moved (or there was no automatic layout yet)
    Unchanged,  // every icon stands where the automatic layout has it: nothing written
    NoDesktop,  // no desktop to read, or it went away while it was read
    Failed,     // the registry refused the write
};

class AutomaticLayouts {
public:
    // Over the store's own registry, desktop and screen. Without a desktop a refresh does nothing and tells nobody: it
    // runs from timers while the user may be away, and the next user action will say what is wrong.
    explicit AutomaticLayouts(LayoutStore& store);

    // The id of the automatic layout of that size while its header exists;
    // empty otherwise.
    std::wstring existingId(ScreenSize size);

    // Reads every icon of the desktop; writes the automatic layout of the
    // current screen size when any icon stands elsewhere than it last wrote
    // (or, for a size not yet written in this run, than the layout holds).
    AutomaticRefresh refresh();

    // The layout to restore on a screen of that size: its automatic layout,
    // else the newest layout saved at that size; empty when there is none.
    std::wstring layoutFor(ScreenSize size);

private:
    bool storedLayoutMatches(const std::wstring& id, const std::vector<DesktopItem>& items);
    std::wstring makeId(ScreenSize size);

    LayoutStore& store_;
    LayoutStorePorts ports_;
    std::wstring mapKey_;
    // What the last write (or a check that found the registry up to date)
    // left in each size's automatic layout, so that a check reads the
    // desktop only.
    std::map<std::pair<int32_t, int32_t>, std::vector<DesktopItem>> known_;
};

}  // namespace orbilux
