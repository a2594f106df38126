// A page of the main window (the shape page, the layouts page): it creates
// its controls in the page's panel and gets the first look at what they
// report. The main window forwards every control message of its pages here
// before it treats an id as a command.
#pragma once

#include <windows.h>

#include "ui/win32/button_events.h"
#include "ui/win32/control_layout.h"
#include "ui/win32/skin/skin_painter.h"
#include "ui/win32/tooltips.h"

namespace orbilux::win32 {

class PageView {
public:
    virtual ~PageView() = default;

    // Called once while the main window is created, before its start-up.
    virtual void createControls(HWND panel, ControlLayout& layout) = 0;

    // Each returns true when the page handled the message.
    virtual bool onCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool onNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool onScroll(HWND /*bar*/, int /*request*/, int /*trackPosition*/) { return false; }
    virtual bool onTimer(UINT_PTR /*timer*/) { return false; }
    // How an owner-drawn button of the page looks besides its own state.
    virtual bool buttonLook(int /*id*/, ButtonLook& /*look*/) { return false; }
    // The mouse events a page wants of a button in the main window's
    // column (the peek button belongs to the shape page).
    virtual ButtonEventHandlers columnButtonHandlers(int /*id*/) { return {}; }

    // The window's one tooltip control, which the page's own controls'
    // hints go to; given before createControls.
    void setHints(Tooltips& hints) { hints_ = &hints; }

protected:
    void addHint(HWND control, const std::wstring& hint) {
        if (hints_) hints_->add(control, hint);
    }

private:
    Tooltips* hints_ = nullptr;
};

}  // namespace orbilux::win32
