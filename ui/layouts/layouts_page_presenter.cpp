#include "ui/layouts/layouts_page_presenter.h"

#include "ui/control_ids.h"
#include "ui/layouts/menu_text.h"

namespace orbilux::ui {

namespace {

int MenuIndex(SavedLayoutsMenu menu) {
    return menu == SavedLayoutsMenu::Main ? 0 : 1;
}

uint16_t FirstItemOf(SavedLayoutsMenu menu) {
    return menu == SavedLayoutsMenu::Main ? FirstSavedLayoutItem : FirstTraySavedLayoutItem;
}

}  // namespace

LayoutsPagePresenter::LayoutsPagePresenter(const LayoutsPagePorts& ports) : ports_(ports) {
    CommandTable& c = ports_.commands;
    c.define(CommandId::RestoreSelLayoutA, L"Restore layout");
    c.define(CommandId::DelLayoutA, L"Delete layout");
    c.define(CommandId::ReplaceLayoutA, L"Replace");
    c.define(CommandId::SetLayoutDescA, L"Set description");
    c.setHandler(CommandId::RestoreSelLayoutA, [this] { RestoreSelLayoutA(); });
    c.setHandler(CommandId::DelLayoutA, [this] { DelLayoutA(); });
    c.setHandler(CommandId::ReplaceLayoutA, [this] { ReplaceLayoutA(); });
    c.setHandler(CommandId::SetLayoutDescA, [this] { SetLayoutDescA(); });
    setRowControlsEnabled(false);
}

void LayoutsPagePresenter::setRowControlsEnabled(bool enabled) {
    ports_.view.setDescriptionEnabled(enabled);
    for (const uint16_t id :
         {CommandId::RestoreSelLayoutA, CommandId::DelLayoutA, CommandId::ReplaceLayoutA, CommandId::SetLayoutDescA})
        ports_.commands.setEnabled(id, enabled);
}

LayoutRow LayoutsPagePresenter::rowOf(const LayoutInfo& info, const DateDisplayFormat& format) const {
    return {DateText(info.savedAt, format), info.description,
            std::to_wstring(info.screenWidth) + L"x" + std::to_wstring(info.screenHeight),
            std::to_wstring(info.iconCount), info.id};
}

const LayoutRow* LayoutsPagePresenter::selected() {
    const std::optional<int> row = ports_.view.selectedRow();
    if (!row || *row < 0 || std::size_t(*row) >= rows_.size()) return nullptr;
    return &rows_[std::size_t(*row)];
}

void LayoutsPagePresenter::SaveDTIPos() {
    if (!ports_.options.ConfirmSave ||
        ports_.confirmer.confirm(L"Are you sure you want to save current desktop icons position?"))
        ports_.layouts.SaveLayout(ports_.layouts.NewLayoutId(), NoDescription);
    BuildSavedLayoutsMenu(SavedLayoutsMenu::Main);
}

void LayoutsPagePresenter::SaveWithDescription() {
    // The dialog saves without asking, whatever ConfirmSave says.
    const std::optional<std::wstring> text = ports_.descriptions.askDescription();
    if (!text) return;
    ports_.layouts.SaveLayout(ports_.layouts.NewLayoutId(), text->empty() ? std::wstring(NoDescription) : *text);
}

void LayoutsPagePresenter::SaveNewLayoutReleased(ReleasedButton button) {
    if (button == ReleasedButton::Left) {
        if (ports_.layouts.HeaderKeyUsable()) ports_.layouts.SaveLayout(ports_.layouts.NewLayoutId(), NoDescription);
    } else if (button == ReleasedButton::Right) {
        SaveWithDescription();
    }
    FillLayoutsList();
}

std::vector<LayoutInfo> LayoutsPagePresenter::readLayouts(const std::vector<std::wstring>& ids) {
    std::vector<LayoutInfo> layouts;
    for (const std::wstring& id : ids) {
        LayoutInfo info;
        if (ports_.layouts.ReadLayoutInfo(id, info)) layouts.push_back(std::move(info));
    }
    return layouts;
}

void LayoutsPagePresenter::FillLayoutsList() {
    // The list and the main menu's submenu show the same layouts: read once.
    const std::vector<std::wstring> ids = ports_.layouts.ListLayoutIds();
    const std::vector<LayoutInfo> layouts = readLayouts(ids);
    const DateDisplayFormat format = ports_.dateFormat.userFormat();
    rows_.clear();
    for (const LayoutInfo& info : layouts) rows_.push_back(rowOf(info, format));
    ports_.view.setRows(rows_);
    fillSavedLayoutsMenu(SavedLayoutsMenu::Main, !ids.empty(), layouts, format);
}

void LayoutsPagePresenter::LayoutsListChange(int, bool selected) {
    setRowControlsEnabled(selected);
}

void LayoutsPagePresenter::LayoutsListSelectItem(int row, bool) {
    if (row >= 0 && std::size_t(row) < rows_.size())
        ports_.view.setDescriptionText(rows_[std::size_t(row)].description);
}

void LayoutsPagePresenter::RestoreSelLayoutA() {
    const LayoutRow* row = selected();
    if (!row) return;
    const std::wstring id = row->id;
    if (ports_.options.ConfirmLoad &&
        !ports_.confirmer.confirm(L"Are you sure you want to restore desktop icons position saved on " + row->dateText +
                                  L" ?"))
        return;
    restore(id);
}

void LayoutsPagePresenter::restore(const std::wstring& id) {
    ScopedIconAction action(ports_.actions, IconActionKind::Restore);
    ports_.layouts.RestoreLayout(id);
}

void LayoutsPagePresenter::DelLayoutA() {
    const bool yes =
        ports_.confirmer.confirm(L"Are you sure you want to PERMANENTLY delete selected desktop icons layout?");
    const std::optional<int> index = ports_.view.selectedRow();
    if (yes && selected() && ports_.layouts.HeaderKeyUsable()) {
        ports_.layouts.DeleteLayout(rows_[std::size_t(*index)].id);
        rows_.erase(rows_.begin() + *index);
        ports_.view.removeRow(*index);
    }
    BuildSavedLayoutsMenu(SavedLayoutsMenu::Main);
}

void LayoutsPagePresenter::ReplaceLayoutA() {
    const std::wstring text = ports_.view.descriptionText();
    if (const LayoutRow* row = selected(); row && ports_.layouts.HasLayoutHeader(row->id)) {
        const std::wstring id = row->id;
        if (!ports_.options.ConfirmSave ||
            ports_.confirmer.confirm(L"Are you sure you want to replace selected desktop icons layout?"))
            ports_.layouts.SaveLayout(id, text);
    }
    FillLayoutsList();
}

void LayoutsPagePresenter::SetLayoutDescA() {
    if (const LayoutRow* row = selected(); row && ports_.layouts.HasLayoutHeader(row->id))
        ports_.layouts.SetLayoutDescription(row->id, ports_.view.descriptionText());
    FillLayoutsList();
}

void LayoutsPagePresenter::BuildSavedLayoutsMenu(SavedLayoutsMenu menu) {
    const std::vector<std::wstring> ids = ports_.layouts.ListLayoutIds();
    fillSavedLayoutsMenu(menu, !ids.empty(), readLayouts(ids), ports_.dateFormat.userFormat());
}

void LayoutsPagePresenter::fillSavedLayoutsMenu(SavedLayoutsMenu menu, bool anySaved,
                                                const std::vector<LayoutInfo>& layouts,
                                                const DateDisplayFormat& format) {
    std::map<uint16_t, MenuItem>& items = menuItems_[MenuIndex(menu)];
    items.clear();
    ports_.menus.clearSavedLayouts(menu);
    // The names alone decide whether the submenu is empty: layouts that
    // can't be read still leave the heading.
    if (!anySaved) return;
    ports_.menus.addSavedLayoutsHeading(menu);
    uint16_t next = FirstItemOf(menu);
    const uint16_t last = menu == SavedLayoutsMenu::Main ? uint16_t(FirstTraySavedLayoutItem - 1) : LastSavedLayoutItem;
    // Newest last in the registry's order, so the submenu lists them from the end.
    for (auto it = layouts.rbegin(); it != layouts.rend() && next <= last; ++it) {
        const LayoutInfo& info = *it;
        const std::wstring date = DateText(info.savedAt, format);
        ports_.menus.addSavedLayout(menu, next,
                                    MenuText(date + L"   " + std::to_wstring(info.screenWidth) + L" x " +
                                             std::to_wstring(info.screenHeight) + L" - " + info.description));
        items[next++] = {info.id, date};
    }
}

bool LayoutsPagePresenter::LoadMItemClick(uint16_t itemId) {
    for (const auto& items : menuItems_) {
        const auto found = items.find(itemId);
        if (found == items.end()) continue;
        const MenuItem item = found->second;
        if (!ports_.options.ConfirmLoad ||
            ports_.confirmer.confirm(L"Are you sure you want to restore this desktop icons position saved on " +
                                     item.hint + L" ?"))
            restore(item.id);
        return true;
    }
    return false;
}

}  // namespace orbilux::ui
