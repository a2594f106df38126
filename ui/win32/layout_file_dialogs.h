// The system's own open and save dialogs for layout files (comdlg32), owned
// by the main window: a "*.orbilux-layout.json" filter first, "All files"
// second. Built anew for every opening, as every dialog of the program is.
#pragma once

#include <windows.h>

#include "ui/layouts/layout_files_presenter.h"

namespace orbilux::win32 {

class LayoutFileDialogsWin32 : public ui::LayoutFileDialogs {
public:
    void attach(HWND owner) { owner_ = owner; }

    std::optional<std::filesystem::path> askExportPath(const std::wstring& suggestedName) override;
    std::optional<std::filesystem::path> askImportPath() override;

private:
    HWND owner_ = nullptr;
};

}  // namespace orbilux::win32
