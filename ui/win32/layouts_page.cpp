#include "ui/win32/layouts_page.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ui/control_ids.h"
#include "ui/win32/skin/skin_painter.h"
#include "ui/win32/window_text.h"

namespace orbilux::win32 {

namespace {

constexpr ui::Rect ListRect{8, 42, 468, 236};
// The fixed columns' widths; "Description" takes what is left.
constexpr int DateWidth = 120;
constexpr int ResolutionWidth = 80;
constexpr int IconsWidth = 56;

void AddColumn(HWND list, int index, const wchar_t* title, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(title);
    column.cx = width;
    column.iSubItem = index;
    ListView_InsertColumn(list, index, &column);
}

ui::ReleasedButton ReleasedOf(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return ui::ReleasedButton::Left;
        case MouseButton::Right:
            return ui::ReleasedButton::Right;
        default:
            return ui::ReleasedButton::Other;
    }
}

}  // namespace

LayoutsPage::LayoutsPage(ui::Skin& skin) : skin_(skin) {
    skin_.addListener([this](const ui::Palette& palette) { applyColours(palette); });
}

void LayoutsPage::createControls(HWND panel, ControlLayout& layout) {
    layout_ = &layout;
    layout.add(panel, {L"Static",
                       L"Here you can save the current icons position(layout) and restore later, useful when changing "
                       L"resolution and layout gets messed up.",
                       SS_CENTER | SS_NOPREFIX,
                       {8, 6, 468, 38},
                       ui::LayoutsExplanation});
    list_ =
        layout.add(panel, {WC_LISTVIEWW, L"Saved layouts", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                           ListRect, ui::LayoutsList, FontRole::Normal, WS_EX_CLIENTEDGE});
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    AddColumn(list_, 0, L"Date Saved", DateWidth);
    AddColumn(list_, 1, L"Description", 100);
    AddColumn(list_, 2, L"Resolution", ResolutionWidth);
    AddColumn(list_, 3, L"# icons", IconsWidth);
    sizeColumns();
    applyColours(skin_.palette());

    layout.add(panel,
               {L"Static", L"Layout description :", SS_LEFT | SS_NOPREFIX, {8, 248, 126, 264}, ui::DescriptionLabel});
    edit_ = layout.add(panel, {L"Edit",
                               L"",
                               ES_AUTOHSCROLL | WS_TABSTOP,
                               {128, 244, 468, 268},
                               ui::DescriptionEdit,
                               FontRole::Normal,
                               WS_EX_CLIENTEDGE});
    EnableWindow(edit_, descriptionEnabled_);

    struct Button {
        int id;
        const wchar_t* caption;
        int left;
    };
    const Button buttons[] = {
        {ui::SetLayoutDescA, L"Set description", 8},
        {ui::RestoreSelLayoutA, L"Restore layout", 100},
        {ui::SaveNewLayoutButton, L"Save new layout", 192},
        {ui::DelLayoutA, L"Delete layout", 284},
        {ui::ReplaceLayoutA, L"Replace", 376},
    };
    for (const Button& b : buttons) {
        const HWND button = layout.add(panel, {L"Button",
                                               b.caption,
                                               BS_OWNERDRAW | BS_MULTILINE | WS_TABSTOP,
                                               {b.left, 276, b.left + (b.id == ui::ReplaceLayoutA ? 92 : 86), 310},
                                               b.id});
        ButtonEventHandlers events;
        if (b.id == ui::SaveNewLayoutButton) {
            events.pressed = [this](MouseButton) { savePressedByMouse_ = true; };
            events.released = [this](MouseButton released) {
                const bool byMouse = std::exchange(savePressedByMouse_, false);
                if (byMouse && presenter_) presenter_->SaveNewLayoutReleased(ReleasedOf(released));
            };
        }
        WatchButton(button, std::move(events));
    }
    layout.add(panel, {L"Static",
                       L"To save current layout just click on the 'Save new layout' button. You can save the layout "
                       L"with a description if you RIGHT click on 'Save new layout' button.",
                       SS_LEFT | SS_NOPREFIX,
                       {8, 318, 468, 348},
                       ui::LayoutsHintSave});
    layout.add(panel, {L"Static",
                       L"The 'Replace' button replaces the selected layout from the list with the current layout.",
                       SS_LEFT | SS_NOPREFIX,
                       {8, 352, 468, 380},
                       ui::LayoutsHintReplace});
}

void LayoutsPage::sizeColumns() {
    const Dpi dpi = layout_ ? layout_->dpi() : Dpi{};
    RECT client{};
    GetClientRect(list_, &client);
    const int fixed = dpi.scale(DateWidth + ResolutionWidth + IconsWidth);
    ListView_SetColumnWidth(list_, 0, dpi.scale(DateWidth));
    ListView_SetColumnWidth(list_, 1,
                            std::max(int(client.right) - fixed - GetSystemMetrics(SM_CXVSCROLL), dpi.scale(60)));
    ListView_SetColumnWidth(list_, 2, dpi.scale(ResolutionWidth));
    ListView_SetColumnWidth(list_, 3, dpi.scale(IconsWidth));
}

void LayoutsPage::applyColours(const ui::Palette& palette) {
    if (!list_) return;
    ListView_SetBkColor(list_, ToColorRef(palette.menu));
    ListView_SetTextBkColor(list_, ToColorRef(palette.menu));
    ListView_SetTextColor(list_, ToColorRef(palette.text));
    InvalidateRect(list_, nullptr, TRUE);
}

bool LayoutsPage::onCommand(int id, int code, HWND control) {
    if (!presenter_) return false;
    if (!control && id >= ui::FirstSavedLayoutItem && id <= ui::LastSavedLayoutItem)
        return presenter_->LoadMItemClick(static_cast<uint16_t>(id));
    if (id == ui::SaveNewLayoutButton) {
        // A mouse click is handled at the button's release; this is the keyboard's.
        if (code == BN_CLICKED && !savePressedByMouse_) presenter_->SaveNewLayoutReleased(ui::ReleasedButton::Left);
        return true;
    }
    return false;
}

bool LayoutsPage::onNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != list_ || header.code != LVN_ITEMCHANGED || !presenter_) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    result = 0;
    if (!(change.uChanged & LVIF_STATE) || change.iItem < 0) return true;
    const bool selected = change.uNewState & LVIS_SELECTED;
    const bool was = change.uOldState & LVIS_SELECTED;
    presenter_->LayoutsListChange(change.iItem, selected);
    if (selected != was) presenter_->LayoutsListSelectItem(change.iItem, selected);
    return true;
}

void LayoutsPage::setRows(const std::vector<ui::LayoutRow>& rows) {
    if (!list_) return;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ui::LayoutRow& row = rows[i];
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = int(i);
        item.pszText = const_cast<wchar_t*>(row.dateText.c_str());
        const int index = ListView_InsertItem(list_, &item);
        const std::wstring* cells[] = {&row.description, &row.resolution, &row.icons};
        for (int sub = 0; sub < 3; ++sub)
            ListView_SetItemText(list_, index, sub + 1, const_cast<wchar_t*>(cells[sub]->c_str()));
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void LayoutsPage::removeRow(int index) {
    if (list_) ListView_DeleteItem(list_, index);
}

std::optional<int> LayoutsPage::selectedRow() {
    const int row = list_ ? ListView_GetNextItem(list_, -1, LVNI_SELECTED) : -1;
    if (row < 0) return std::nullopt;
    return row;
}

std::wstring LayoutsPage::descriptionText() {
    return edit_ ? WindowText(edit_) : std::wstring();
}

void LayoutsPage::setDescriptionText(const std::wstring& text) {
    if (edit_) SetWindowTextW(edit_, text.c_str());
}

void LayoutsPage::setDescriptionEnabled(bool enabled) {
    descriptionEnabled_ = enabled;
    if (edit_) EnableWindow(edit_, enabled);
}

}  // namespace orbilux::win32
