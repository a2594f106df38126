#include "ui/win32/shape_page.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/window_base.h"
#include "ui/control_ids.h"

namespace orbilux::win32 {

// The list reports a click on a line once, at the button's release, and a
// change of the selected line by the keyboard as it happens. (Its own
// LBN_SELCHANGE comes at the press and again at the release of a click.)
struct ListClicks {
    ui::ShapePagePresenter* presenter = nullptr;
    bool mouseDown = false;
};

namespace {

constexpr UINT_PTR RepeatTimerId = 1;
constexpr UINT_PTR SubclassId = 0x5350;  // 'SP'

struct RepeatButtonTemplate {
    int id;
    ui::RepeatButton button;
    const wchar_t* caption;  // the window text screen readers and tests read
    Glyph glyph;
    ui::Rect rect;
};

// Where the page's controls stand, in the panel's logical pixels.
const RepeatButtonTemplate RepeatButtons[] = {
    {ui::IncreaseSizeButton, ui::RepeatButton::IncreaseSize, L"Increase size", Glyph::None, {218, 50, 338, 80}},
    {ui::DecreaseSizeButton, ui::RepeatButton::DecreaseSize, L"Decrease size", Glyph::None, {348, 50, 468, 80}},
    {ui::MoveUpButton, ui::RepeatButton::MoveUp, L"Move the shape up", Glyph::Up, {262, 148, 298, 178}},
    {ui::MoveLeftButton, ui::RepeatButton::MoveLeft, L"Move the shape to left", Glyph::Left, {224, 182, 260, 212}},
    {ui::CentreButton, ui::RepeatButton::Centre, L"Centre the shape", Glyph::Centre, {262, 182, 298, 212}},
    {ui::MoveRightButton, ui::RepeatButton::MoveRight, L"Move the shape to right", Glyph::Right, {300, 182, 336, 212}},
    {ui::MoveDownButton, ui::RepeatButton::MoveDown, L"Move the shape down", Glyph::Down, {262, 216, 298, 246}},
};
constexpr ui::Rect FitRect{346, 160, 416, 236};
constexpr ui::Rect WidthBarRect{218, 262, 416, 280};
constexpr ui::Rect HeightBarRect{446, 128, 464, 296};
constexpr ui::Rect GapBarRect{218, 338, 468, 356};

// Bars as the presenter knows them, by the index of ShapeBar.
constexpr int BarIds[3] = {ui::WidthBar, ui::HeightBar, ui::GapBar};

const RepeatButtonTemplate* RepeatButtonOf(int id) {
    for (const RepeatButtonTemplate& repeat : RepeatButtons)
        if (repeat.id == id) return &repeat;
    return nullptr;
}

ui::ScrollRequest RequestOf(int request) {
    switch (request) {
        case SB_LINEUP:
            return ui::ScrollRequest::LineBack;
        case SB_LINEDOWN:
            return ui::ScrollRequest::LineForward;
        case SB_PAGEUP:
            return ui::ScrollRequest::PageBack;
        case SB_PAGEDOWN:
            return ui::ScrollRequest::PageForward;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return ui::ScrollRequest::Thumb;
        case SB_TOP:
            return ui::ScrollRequest::ToMin;
        case SB_BOTTOM:
            return ui::ScrollRequest::ToMax;
        case SB_ENDSCROLL:
            return ui::ScrollRequest::End;
        default:
            return ui::ScrollRequest::Other;
    }
}

// A scroll bar runs its own loop while the mouse holds it: the press is
// seen before the control's handling and the release after it returns.
LRESULT CALLBACK BarSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* presenter = reinterpret_cast<ui::ShapePagePresenter*>(data);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &BarSubclass, SubclassId);
    if (message != WM_LBUTTONDOWN || !presenter) return DefSubclassProc(hwnd, message, wParam, lParam);
    RunEventHandler([presenter] { presenter->onBarPressed(); });
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    RunEventHandler([presenter] { presenter->onBarReleased(); });
    return result;
}

LRESULT CALLBACK ListSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* clicks = reinterpret_cast<ListClicks*>(data);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            clicks->mouseDown = true;
            break;
        case WM_LBUTTONUP: {
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            const bool clicked = clicks->mouseDown && ListBox_GetCount(hwnd) > 0;
            clicks->mouseDown = false;
            if (clicked && clicks->presenter)
                RunEventHandler([&] { clicks->presenter->ShapesListClick(ListBox_GetCurSel(hwnd)); });
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &ListSubclass, SubclassId);
            delete clicks;
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void ShapePage::createControls(HWND panel, ControlLayout& layout) {
    panel_ = panel;
    const DWORD label = SS_LEFT | SS_NOPREFIX;
    layout.add(panel,
               {L"Static", L"Select a shape from the list", label, {8, 6, 206, 24}, ui::ShapeHeading, FontRole::Bold});
    groups_ = layout.add(
        panel, {WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {8, 28, 206, 330}, ui::ShapeGroupsBox});
    list_ = layout.add(panel, {WC_LISTBOXW,
                               L"Shapes",
                               LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                               {8, 58, 206, 340},
                               ui::ShapesListBox,
                               FontRole::Normal,
                               WS_EX_CLIENTEDGE});
    listClicks_ = new ListClicks{presenter_};  // deleted with the list
    SetWindowSubclass(list_, &ListSubclass, SubclassId, reinterpret_cast<DWORD_PTR>(listClicks_));
    const HWND save = layout.add(
        panel, {L"Button", L"Save current layout", BS_OWNERDRAW | WS_TABSTOP, {8, 348, 206, 378}, ui::SaveDTIPos});
    ButtonEventHandlers saveEvents;
    // A right-button release asks for a description first; the left click
    // is the command itself.
    saveEvents.released = [this](MouseButton button) {
        if (button == MouseButton::Right) commands_.execute(ui::SaveLayoutWithDescription);
    };
    WatchButton(save, std::move(saveEvents));

    caption_ = layout.add(
        panel,
        {L"Static", captionText_, label | SS_ENDELLIPSIS, {218, 6, 468, 24}, ui::ShapeNameCaption, FontRole::Bold});
    layout.add(panel,
               {L"Static", L"Increase or decrease the size of the shape", label, {218, 32, 468, 48}, ui::SizeLabel});
    layout.add(panel, {L"Static",
                       L"Change the shape position on the screen  Set the height and the width",
                       label,
                       {218, 88, 468, 122},
                       ui::PositionLabel});
    layout.add(panel, {L"Static", L"Move shape", SS_CENTER | SS_NOPREFIX, {218, 128, 342, 144}, ui::MoveLabel});

    // The repeat buttons act on press and release only: no tab stop, no
    // focus rectangle, no click.
    int next = 0;
    for (const RepeatButtonTemplate& repeat : RepeatButtons) {
        const HWND b = layout.add(panel, {L"Button", repeat.caption, BS_OWNERDRAW, repeat.rect, repeat.id});
        adjustButtons_[next++] = b;
        ButtonEventHandlers events;
        const ui::RepeatButton which = repeat.button;
        events.pressed = [this, which](MouseButton) {
            if (presenter_) presenter_->onRepeatPressed(which);
        };
        events.released = [this](MouseButton) {
            if (presenter_) presenter_->onRepeatReleased();
        };
        WatchButton(b, std::move(events));
    }
    adjustButtons_[next] = layout.add(panel, {L"Button", L"Fit shape to screen size",
                                              BS_OWNERDRAW | BS_MULTILINE | WS_TABSTOP, FitRect, ui::FitButton});
    WatchButton(adjustButtons_[next]);

    bars_[int(ui::ShapeBar::Width)] =
        layout.add(panel, {L"ScrollBar", L"Shape width", SBS_HORZ | WS_TABSTOP, WidthBarRect, ui::WidthBar});
    layout.add(panel, {L"Static", L"Shape width", SS_CENTER | SS_NOPREFIX, {218, 282, 416, 298}, ui::WidthLabel});
    bars_[int(ui::ShapeBar::Height)] =
        layout.add(panel, {L"ScrollBar", L"Shape height", SBS_VERT | WS_TABSTOP, HeightBarRect, ui::HeightBar});
    layout.add(
        panel,
        {L"Static", L"H\r\ne\r\ni\r\ng\r\nh\r\nt", SS_CENTER | SS_NOPREFIX, {426, 150, 444, 262}, ui::HeightLabel});
    layout.add(panel, {L"Static", L"Space between icons", label, {218, 318, 468, 334}, ui::GapLabel});
    bars_[int(ui::ShapeBar::Gap)] =
        layout.add(panel, {L"ScrollBar", L"Space between icons", SBS_HORZ | WS_TABSTOP, GapBarRect, ui::GapBar});
    for (HWND bar : bars_) SetWindowSubclass(bar, &BarSubclass, SubclassId, reinterpret_cast<DWORD_PTR>(presenter_));
    applyPendingState();
}

void ShapePage::applyPendingState() {
    setCaption(captionText_);
    setCaptionEnabled(captionEnabled_);
    setAdjustButtonsEnabled(buttonsEnabled_);
    for (int i = 0; i < 3; ++i) showBar(ui::ShapeBar(i), barStates_[i]);
    for (const auto& [id, hint] : pendingHints_) addHint(GetDlgItem(panel_, id), hint);
}

HWND ShapePage::barWindow(ui::ShapeBar bar) const {
    return bars_[int(bar)];
}

bool ShapePage::onCommand(int id, int code, HWND control) {
    if (!presenter_) return false;
    if (control == groups_ && code == CBN_SELCHANGE) {
        presenter_->ShapeGroupsChange(ComboBox_GetCurSel(groups_));
        return true;
    }
    if (control == list_) {
        // A click is reported at its release (see ListSubclass).
        if (code == LBN_SELCHANGE && !listClicks_->mouseDown) presenter_->ShapesListClick(ListBox_GetCurSel(list_));
        return true;
    }
    if (id == ui::FitButton) {
        if (code == BN_CLICKED) presenter_->onFit();
        return true;
    }
    return RepeatButtonOf(id) != nullptr;  // their clicks do nothing
}

bool ShapePage::onScroll(HWND bar, int request, int) {
    for (int i = 0; i < 3; ++i) {
        if (bar != bars_[i]) continue;
        if (presenter_) {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(bar, SB_CTL, &info);
            presenter_->onScroll(ui::ShapeBar(i), RequestOf(request), info.nTrackPos);
        }
        return true;
    }
    return false;
}

bool ShapePage::onTimer(UINT_PTR timer) {
    if (timer != RepeatTimerId) return false;
    if (presenter_) presenter_->onRepeatTick();
    return true;
}

bool ShapePage::buttonLook(int id, ButtonLook& look) {
    if (const RepeatButtonTemplate* repeat = RepeatButtonOf(id)) {
        look.noFocusRect = true;
        look.glyph = repeat->glyph;
        return true;
    }
    return false;
}

ButtonEventHandlers ShapePage::columnButtonHandlers(int id) {
    ButtonEventHandlers events;
    if (id != ui::PeekButton) return events;
    events.entered = [this] {
        if (presenter_) presenter_->onPeekEntered();
    };
    events.left = [this] {
        if (presenter_) presenter_->onPeekLeft();
    };
    return events;
}

void ShapePage::setGroups(const std::vector<std::wstring>& items) {
    if (!groups_) return;
    ComboBox_ResetContent(groups_);
    for (const std::wstring& item : items) ComboBox_AddString(groups_, item.c_str());
}

void ShapePage::selectGroup(int index) {
    if (groups_) ComboBox_SetCurSel(groups_, index);
}

void ShapePage::setShapeLines(const std::vector<std::wstring>& lines) {
    if (!list_) return;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListBox_ResetContent(list_);
    for (const std::wstring& line : lines) ListBox_AddString(list_, line.c_str());
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void ShapePage::selectShapeLine(int index) {
    if (list_) ListBox_SetCurSel(list_, index);
}

void ShapePage::setCaption(const std::wstring& caption) {
    captionText_ = caption;
    if (caption_) SetWindowTextW(caption_, caption.c_str());
}

void ShapePage::setCaptionEnabled(bool enabled) {
    captionEnabled_ = enabled;
    if (caption_) EnableWindow(caption_, enabled);
}

void ShapePage::showBar(ui::ShapeBar bar, const ui::ScrollBarState& state) {
    barStates_[int(bar)] = state;
    const HWND window = barWindow(bar);
    if (!window) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = state.min;
    info.nMax = state.max;
    info.nPos = state.position;
    SetScrollInfo(window, SB_CTL, &info, TRUE);
    EnableWindow(window, state.enabled);
}

void ShapePage::setAdjustButtonsEnabled(bool enabled) {
    buttonsEnabled_ = enabled;
    for (HWND b : adjustButtons_)
        if (b) EnableWindow(b, enabled);
}

void ShapePage::startRepeatTimer(int intervalMs) {
    if (panel_) SetTimer(GetParent(panel_), RepeatTimerId, static_cast<UINT>(intervalMs), nullptr);
}

void ShapePage::setHint(uint16_t controlId, const std::wstring& hint) {
    pendingHints_.emplace_back(controlId, hint);
    if (panel_) addHint(GetDlgItem(panel_, controlId), hint);
}

void ShapePage::stopRepeatTimer() {
    if (panel_) KillTimer(GetParent(panel_), RepeatTimerId);
}

}  // namespace orbilux::win32
