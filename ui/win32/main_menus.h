// The main window's menus: the menu bar and the tray icon's pop-up menu.
// Items carry their command's id, so choosing one arrives as that command;
// the two saved-layouts submenus are filled by the layouts page.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/win32/unique_handle.h"
#include "ui/layouts/layouts_page_view.h"

namespace orbilux::win32 {

class MainMenus : public ui::SavedLayoutsMenuView {
public:
    MainMenus();

    // The menu bar; the window it is given to destroys it.
    HMENU bar() const { return bar_; }
    HMENU tray() const { return tray_.get(); }
    // "Restore layouts" in the bar and "Restore previously saved layouts"
    // in the tray menu.
    HMENU mainSavedLayouts() const { return mainSavedLayouts_; }
    HMENU traySavedLayouts() const { return traySavedLayouts_; }

    // Enables or greys the items of that command in both menus.
    void setCommandEnabled(uint16_t id, bool enabled);
    void setTraySavedLayoutsEnabled(bool enabled);

    // ui::SavedLayoutsMenuView
    void clearSavedLayouts(ui::SavedLayoutsMenu menu) override;
    void addSavedLayoutsHeading(ui::SavedLayoutsMenu menu) override;
    void addSavedLayout(ui::SavedLayoutsMenu menu, uint16_t itemId, const std::wstring& caption) override;

private:
    HMENU savedLayouts(ui::SavedLayoutsMenu menu) const;

    HMENU bar_ = nullptr;
    UniqueMenu tray_;
    HMENU mainSavedLayouts_ = nullptr;
    HMENU traySavedLayouts_ = nullptr;
    UINT traySavedLayoutsPosition_ = 0;
};

}  // namespace orbilux::win32
