#include "ui/win32/layout_file_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "ui/ui_texts.h"

namespace orbilux::win32 {

namespace {

// "name\0pattern\0name\0pattern\0\0", as OPENFILENAMEW wants its filter.
std::wstring Filter() {
    namespace t = ui::texts;
    std::wstring filter;
    for (const wchar_t* part : {t::LayoutFilesFilterName, t::LayoutFilesPattern, t::AllFilesFilterName, L"*.*"}) {
        filter += part;
        filter += L'\0';
    }
    return filter + L'\0';
}

std::optional<std::filesystem::path> Ask(HWND owner, const std::wstring& initialName, bool save) {
    // Room for long paths; a longer choice fails the dialog, which counts as
    // cancelled.
    std::vector<wchar_t> name(32768, L'\0');
    initialName.copy(name.data(), std::min(initialName.size(), name.size() - 1));
    const std::wstring filter = Filter();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    // The layout-file extension is a double one; the dialog's default
    // extension only adds "json", so the suggested name carries it whole.
    dialog.lpstrDefExt = L"json";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return std::filesystem::path(name.data());
}

}  // namespace

std::optional<std::filesystem::path> LayoutFileDialogsWin32::askExportPath(const std::wstring& suggestedName) {
    return Ask(owner_, suggestedName, true);
}

std::optional<std::filesystem::path> LayoutFileDialogsWin32::askImportPath() {
    return Ask(owner_, L"", false);
}

}  // namespace orbilux::win32
