// The shape page's controls in the main window's AdjustShapePan panel: the
// group box and the shape list on the left, the adjustment controls on the
// right. It turns what the controls report into the presenter's events and
// mirrors the presenter's state onto the controls; it holds no logic of its
// own.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/commands/command_table.h"
#include "ui/shape/shape_page_presenter.h"
#include "ui/shape/shape_page_view.h"
#include "ui/win32/page_view.h"

namespace orbilux::win32 {

struct ListClicks;

class ShapePage : public PageView, public ui::ShapePageView {
public:
    explicit ShapePage(ui::CommandTable& commands) : commands_(commands) {}
    void setPresenter(ui::ShapePagePresenter& presenter) { presenter_ = &presenter; }

    // PageView
    void createControls(HWND panel, ControlLayout& layout) override;
    bool onCommand(int id, int code, HWND control) override;
    bool onScroll(HWND bar, int request, int trackPosition) override;
    bool onTimer(UINT_PTR timer) override;
    bool buttonLook(int id, ButtonLook& look) override;
    ButtonEventHandlers columnButtonHandlers(int id) override;

    // ui::ShapePageView
    void setGroups(const std::vector<std::wstring>& items) override;
    void selectGroup(int index) override;
    void setShapeLines(const std::vector<std::wstring>& lines) override;
    void selectShapeLine(int index) override;
    void setCaption(const std::wstring& caption) override;
    void setCaptionEnabled(bool enabled) override;
    void showBar(ui::ShapeBar bar, const ui::ScrollBarState& state) override;
    void setAdjustButtonsEnabled(bool enabled) override;
    void startRepeatTimer(int intervalMs) override;
    void stopRepeatTimer() override;
    void setHint(uint16_t controlId, const std::wstring& hint) override;

private:
    HWND barWindow(ui::ShapeBar bar) const;
    void applyPendingState();

    ui::CommandTable& commands_;
    ui::ShapePagePresenter* presenter_ = nullptr;
    HWND panel_ = nullptr;
    HWND groups_ = nullptr;
    HWND list_ = nullptr;
    ListClicks* listClicks_ = nullptr;  // owned by the list's subclass
    HWND caption_ = nullptr;
    HWND bars_[3] = {};
    HWND adjustButtons_[8] = {};

    // What the presenter said before the controls existed (it starts while
    // the window is being created), applied once they do.
    std::wstring captionText_;
    bool captionEnabled_ = false;
    bool buttonsEnabled_ = false;
    ui::ScrollBarState barStates_[3];
    std::vector<std::pair<uint16_t, std::wstring>> pendingHints_;  // every hint the presenter gave
};

}  // namespace orbilux::win32
