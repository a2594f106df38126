// The shell's own record of the desktop's icons, as a port. Since Windows 10
// 1809 the shell keeps the icons' positions in a model of its own and only
// shows them through the list view: positions set by list-view messages are
// taken back at the next refresh, a restart of the shell or a sign-out.
// Positions committed through the desktop's shell view last.
//
// The Win32 adapter reaches that view through COM (desktop/win32); tests use
// a fake. Every call may fail (an older shell, another shell, a view that
// went away): the adapter then throws ShellViewUnavailable, and callers
// treat that as "the shell view is not available", never as an error of the
// action they were doing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbilux {

class ShellViewUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The view's folder flags that bend every shape: the shell arranges the
// icons itself, or snaps each one to its grid.
struct ShellFolderFlags {
    bool autoArrange = false;
    bool snapToGrid = false;
};

struct ModelPosition {
    std::size_t item = 0;  // the item's place in itemNames()
    int32_t x = 0;
    int32_t y = 0;
};

// The desktop's shell view, reached afresh for one action.
class ShellIconView {
public:
    virtual ~ShellIconView() = default;
    // Every item's display name, in the view's own order.
    virtual std::vector<std::wstring> itemNames() = 0;
    // Puts the items at the positions (list-view coordinates) in one call,
    // leaving the user's selection as it is.
    virtual void positionItems(const std::vector<ModelPosition>& positions) = 0;
    // Where the model has each of the items now (same order as `items`).
    virtual std::vector<ModelPosition> itemPositions(const std::vector<std::size_t>& items) = 0;
    virtual ShellFolderFlags folderFlags() = 0;
};

class ShellIconModel {
public:
    virtual ~ShellIconModel() = default;
    // Finds the desktop's shell view; throws ShellViewUnavailable when there
    // is none to be had.
    virtual std::unique_ptr<ShellIconView> open() = 0;
};

}  // namespace orbilux
