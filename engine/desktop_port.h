// All the shape engine needs of a desktop: how many items it has, and a way
// to move items to targets. The Windows bridge implements it against the
// shell's list view; orbiluxctl plan and the tests use in-memory desktops.
#pragma once

#include <cstdint>

#include "engine/shape_types.h"

namespace orbilux {

class DesktopPort {
public:
    virtual ~DesktopPort() = default;
    // The number of desktop items now; asked afresh by every placement.
    virtual int32_t DesktopItemCount() = 0;
    // Moves each named item to its target, in list order. An empty list
    // changes nothing; an index that names no item has no effect.
    virtual void ApplyIconTargets(const IconTargets& targets) = 0;
};

}  // namespace orbilux
