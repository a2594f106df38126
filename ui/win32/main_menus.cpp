#include "ui/win32/main_menus.h"

#include "ui/control_ids.h"
#include "ui/ui_texts.h"

namespace orbilux::win32 {

namespace {

void AddItem(HMENU menu, UINT id, const wchar_t* caption) {
    AppendMenuW(menu, MF_STRING, id, caption);
}
void AddSeparator(HMENU menu) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}
void AddSubmenu(HMENU menu, HMENU submenu, const wchar_t* caption) {
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), caption);
}

}  // namespace

MainMenus::MainMenus() {
    namespace t = ui::texts;
    bar_ = CreateMenu();
    HMENU file = CreatePopupMenu();
    AddItem(file, ui::UndoLastChangeA, t::UndoLastChangeItem);
    AddSeparator(file);
    AddItem(file, ui::ExitA, t::ExitItem);
    AddSeparator(file);
    AddItem(file, ui::ExportLayoutA, t::ExportLayoutItem);
    AddItem(file, ui::ImportLayoutA, t::ImportLayoutItem);
    AddSubmenu(bar_, file, t::FileMenu);
    HMENU save = CreatePopupMenu();
    AddItem(save, ui::SaveLayoutWithDescription, t::SaveLayoutWithDescriptionItem);
    AddSubmenu(bar_, save, t::SaveLayoutMenu);
    mainSavedLayouts_ = CreatePopupMenu();
    AddSubmenu(bar_, mainSavedLayouts_, t::RestoreLayoutsMenu);
    HMENU help = CreatePopupMenu();
    AddItem(help, ui::HelpMenuItem, t::GetHelpItem);
    AddItem(help, ui::HomepageMenuItem, t::HomepageItem);
    AddSeparator(help);
    AddItem(help, ui::AboutA, t::AboutItem);
    AddSubmenu(bar_, help, t::HelpMenu);

    tray_.reset(CreatePopupMenu());
    const HMENU tray = tray_.get();
    AddItem(tray, ui::AboutA, t::TrayAboutItem);
    AddSeparator(tray);
    AddItem(tray, ui::OptionsButA, t::TrayOptionsItem);
    AddSeparator(tray);
    AddItem(tray, ui::SaveDTIPos, t::TraySaveLayoutItem);
    traySavedLayouts_ = CreatePopupMenu();
    traySavedLayoutsPosition_ = static_cast<UINT>(GetMenuItemCount(tray));
    AddSubmenu(tray, traySavedLayouts_, t::TrayRestoreLayoutsItem);
    AddItem(tray, ui::UndoLastChangeA, t::UndoLastChangeItem);
    AddItem(tray, ui::LoadAndSetA, t::TrayRefreshShapeItem);
    AddSeparator(tray);
    AddItem(tray, ui::RestoreA, t::TrayShowItem);
    AddSeparator(tray);
    AddItem(tray, ui::ExitA, t::TrayExitItem);
}

void MainMenus::setCommandEnabled(uint16_t id, bool enabled) {
    const UINT state = MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(bar_, id, state);
    EnableMenuItem(tray_.get(), id, state);
}

void MainMenus::setTraySavedLayoutsEnabled(bool enabled) {
    EnableMenuItem(tray_.get(), traySavedLayoutsPosition_, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace orbilux::win32

namespace orbilux::win32 {

HMENU MainMenus::savedLayouts(ui::SavedLayoutsMenu menu) const {
    return menu == ui::SavedLayoutsMenu::Main ? mainSavedLayouts_ : traySavedLayouts_;
}

void MainMenus::clearSavedLayouts(ui::SavedLayoutsMenu menu) {
    const HMENU submenu = savedLayouts(menu);
    while (GetMenuItemCount(submenu) > 0) DeleteMenu(submenu, 0, MF_BYPOSITION);
}

void MainMenus::addSavedLayoutsHeading(ui::SavedLayoutsMenu menu) {
    const HMENU submenu = savedLayouts(menu);
    AppendMenuW(submenu, MF_STRING | MF_GRAYED, 0, L"Saved layouts: ");
    AppendMenuW(submenu, MF_SEPARATOR | MF_GRAYED, 0, nullptr);
}

void MainMenus::addSavedLayout(ui::SavedLayoutsMenu menu, uint16_t itemId, const std::wstring& caption) {
    // An "&" in a description is text, not a mnemonic.
    std::wstring text;
    for (const wchar_t c : caption) text += c == L'&' ? std::wstring(L"&&") : std::wstring(1, c);
    AppendMenuW(savedLayouts(menu), MF_STRING, itemId, text.c_str());
}

}  // namespace orbilux::win32
