// The base of the program's modal dialogs. A dialog is built anew for every
// opening from an empty in-memory template: its controls are created in
// code at 96-DPI positions scaled to the dialog's DPI (like the main
// window's), its client area is sized in logical pixels, and it is painted
// from the skin. The dialog manager gives it Tab, Enter (IDOK) and Escape
// (IDCANCEL). The dialog procedure stores `this` at WM_INITDIALOG, clears it
// at WM_NCDESTROY, and is the same error barrier as the windows' dispatch.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/win32/control_layout.h"
#include "ui/win32/skin/skin_painter.h"
#include "ui/win32/tooltips.h"

namespace orbilux::win32 {

enum class DialogPlacement { CentreOnOwner, CentreOnScreen };

struct DialogArgs {
    HWND owner = nullptr;
    std::wstring caption;
    ui::Size clientSize;  // logical pixels
    DialogPlacement placement = DialogPlacement::CentreOnOwner;
    bool minimizeBox = false;
    Tooltips* hints = nullptr;  // the owner's, which the dialog's controls' hints go to
};

class DialogBase {
public:
    explicit DialogBase(const SkinPainter& painter) : painter_(painter) {}
    virtual ~DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Shows the dialog modally; returns the result it ended with (IDOK,
    // IDCANCEL; IDCANCEL also for the close box).
    INT_PTR runModal(const DialogArgs& args);
    // The dialog's window while it is shown; nullptr otherwise.
    HWND window() const { return hwnd_; }

protected:
    HWND hwnd() const { return hwnd_; }
    ControlLayout& layout() { return layout_; }
    const SkinPainter& painter() const { return painter_; }
    void end(INT_PTR result) { EndDialog(hwnd_, result); }
    // A control's hint, shown through the owner's tooltip control until the
    // dialog closes.
    void addHint(HWND control, const std::wstring& hint);

    // Creates the controls; the dialog is sized and placed already.
    virtual void onCreate() = 0;
    // A control's command; true when handled. IDOK and IDCANCEL end the
    // dialog unless handled here.
    virtual bool onCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // Any other message; true when handled (with `result` set).
    virtual bool onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
        return false;
    }
    // How an owner-drawn button looks besides its own state.
    virtual ButtonLook buttonLook(int /*id*/) { return {}; }

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void placeAndSize();

    const SkinPainter& painter_;
    DialogArgs args_;
    ControlLayout layout_;
    HWND hwnd_ = nullptr;
    std::vector<HWND> hinted_;
};

}  // namespace orbilux::win32
