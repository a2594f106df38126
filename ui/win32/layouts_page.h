// The layouts page's controls in the main window's ManageLayoutsPan panel:
// the explanation, the list of saved layouts (a report-style list view), the
// description box, the row commands, "Save new layout" and the two hint
// lines. Events go to the layout manager's presenter; the list mirrors its
// rows. The saved-layouts submenus' items arrive here too.
#pragma once

#include <windows.h>

#include "ui/commands/command_table.h"
#include "ui/layouts/layouts_page_presenter.h"
#include "ui/skin/skin.h"
#include "ui/win32/page_view.h"

namespace orbilux::win32 {

class LayoutsPage : public PageView, public ui::LayoutsPageView {
public:
    explicit LayoutsPage(ui::Skin& skin);
    void setPresenter(ui::LayoutsPagePresenter& presenter) { presenter_ = &presenter; }

    // PageView
    void createControls(HWND panel, ControlLayout& layout) override;
    bool onCommand(int id, int code, HWND control) override;
    bool onNotify(const NMHDR& header, LRESULT& result) override;

    // ui::LayoutsPageView
    void setRows(const std::vector<ui::LayoutRow>& rows) override;
    void removeRow(int index) override;
    std::optional<int> selectedRow() override;
    std::wstring descriptionText() override;
    void setDescriptionText(const std::wstring& text) override;
    void setDescriptionEnabled(bool enabled) override;

private:
    void applyColours(const ui::Palette& palette);
    void sizeColumns();

    ui::Skin& skin_;
    ui::LayoutsPagePresenter* presenter_ = nullptr;
    ControlLayout* layout_ = nullptr;
    HWND list_ = nullptr;
    HWND edit_ = nullptr;
    bool descriptionEnabled_ = false;
    // A mouse press on "Save new layout": its click is then the release's
    // business, while a click from the keyboard saves at once.
    bool savePressedByMouse_ = false;
};

}  // namespace orbilux::win32
