// A plain container: the pages of the main window and its reminder bar.
// It paints its background from the skin and hands everything its controls
// report (commands, notifications, scrolling, drawing and colour requests)
// to the window it stands in, so that the main window handles the controls
// of every page in one place. Optionally a click on the panel itself comes
// as a WM_COMMAND with the panel's id, and the pointer shows a hand.
#pragma once

#include "platform/win32/window_base.h"
#include "ui/geometry.h"
#include "ui/win32/skin/skin_painter.h"

namespace orbilux::win32 {

struct PanelArgs {
    HWND parent = nullptr;
    int id = 0;
    RECT area{};  // in the parent's client coordinates
    bool visible = true;
    bool clickable = false;  // a click reports WM_COMMAND(id, BN_CLICKED) to the parent
    Surface surface = Surface::Panel;
    // A group of controls: a frame with this caption (also the panel's
    // window text, which screen readers read as the group's name).
    std::wstring groupCaption;
    HFONT font = nullptr;  // the caption's
};

class PanelWindow : public WindowBase {
public:
    PanelWindow(const SkinPainter& painter, const PanelArgs& args);
    Surface surface() const { return surface_; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const SkinPainter& painter_;
    bool clickable_;
    Surface surface_;
    bool group_;
    HFONT font_;
};

// The class name every panel is registered under.
inline constexpr const wchar_t* PanelClassName = L"OrbiluxPanel";

}  // namespace orbilux::win32
