// The layout manager: quick saves and saves with a description, the
// layouts page (list, restore, replace, re-describe, delete) and the two
// saved-layouts submenus, driving the layout store. Which commands ask
// first is decided by ConfirmSave and ConfirmLoad; deleting always asks.
//
// A submenu item remembers the id of its own layout, so a click restores
// that layout even when another menu was rebuilt in between.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "desktop/icon_actions.h"
#include "desktop/layout_store.h"
#include "settings/program_options.h"
#include "ui/commands/command_table.h"
#include "ui/layouts/date_text.h"
#include "ui/layouts/layouts_page_view.h"
#include "ui/main/page_seams.h"

namespace orbilux::ui {

inline constexpr const wchar_t* NoDescription = L"No description";

enum class ReleasedButton { Left, Right, Other };

struct LayoutsPagePorts {
    LayoutsPageView& view;
    SavedLayoutsMenuView& menus;
    LayoutStore& layouts;
    CommandTable& commands;
    ProgramOptions& options;
    Confirmer& confirmer;
    DescriptionAsker& descriptions;
    DateDisplayFormatSource& dateFormat;
    IconActions& actions;  // a restore is an action that moves the icons
};

class LayoutsPagePresenter : public LayoutsSeam {
public:
    explicit LayoutsPagePresenter(const LayoutsPagePorts& ports);
    LayoutsPagePresenter(const LayoutsPagePresenter&) = delete;
    LayoutsPagePresenter& operator=(const LayoutsPagePresenter&) = delete;

    // What the main window asks of it.
    void buildSavedLayoutsMenu(SavedLayoutsMenu menu) override { BuildSavedLayoutsMenu(menu); }
    void quickSave() override { SaveDTIPos(); }
    void saveWithDescription() override { SaveWithDescription(); }
    void pageShown() override { FillLayoutsList(); }

    // The page's events.
    void SaveNewLayoutReleased(ReleasedButton button);  // sBitBtn10
    void LayoutsListChange(int row, bool selected);
    void LayoutsListSelectItem(int row, bool selected);
    // A saved-layouts submenu item; false when the id is none of them.
    bool LoadMItemClick(uint16_t itemId);

    const std::vector<LayoutRow>& rows() const { return rows_; }

private:
    // Puts a saved layout back, as one action that moves the icons.
    void restore(const std::wstring& id);

    struct MenuItem {
        std::wstring id;
        std::wstring hint;  // the date text
    };

    void SaveDTIPos();
    void SaveWithDescription();
    void FillLayoutsList();
    void BuildSavedLayoutsMenu(SavedLayoutsMenu menu);
    // The saved layouts that can be read, in the registry's order.
    std::vector<LayoutInfo> readLayouts(const std::vector<std::wstring>& ids);
    void fillSavedLayoutsMenu(SavedLayoutsMenu menu, bool anySaved, const std::vector<LayoutInfo>& layouts,
                              const DateDisplayFormat& format);
    void RestoreSelLayoutA();
    void DelLayoutA();
    void ReplaceLayoutA();
    void SetLayoutDescA();
    void setRowControlsEnabled(bool enabled);
    const LayoutRow* selected();
    LayoutRow rowOf(const LayoutInfo& info, const DateDisplayFormat& format) const;

    LayoutsPagePorts ports_;
    std::vector<LayoutRow> rows_;
    std::map<uint16_t, MenuItem> menuItems_[2];
};

}  // namespace orbilux::ui
