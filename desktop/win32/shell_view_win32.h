// The shell's icon model on Windows: the desktop's shell view reached the
// supported way, through the shell windows object (IShellWindows, the
// desktop's browser, its active view as IFolderView2). Found afresh for
// every action, like the list view; any failing call makes the view
// unavailable (ShellViewUnavailable), never an error of the action.
#pragma once

#include "desktop/shell_icon_model.h"

namespace orbilux::win32 {

class Win32ShellIconModel : public ShellIconModel {
public:
    std::unique_ptr<ShellIconView> open() override;
};

}  // namespace orbilux::win32
