#include "ui/win32/dialog_base.h"

#include <vector>

#include "platform/win32/window_base.h"
#include "ui/win32/button_events.h"

namespace orbilux::win32 {

namespace {

// An empty dialog template; the size comes later, in pixels.
std::vector<WORD> EmptyTemplate(DWORD style) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);  // + menu, class, title
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = style;
    return words;
}

DWORD StyleOf(const DialogArgs& args) {
    return DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
           (args.minimizeBox ? WS_MINIMIZEBOX : 0);
}

}  // namespace

INT_PTR DialogBase::runModal(const DialogArgs& args) {
    args_ = args;
    const std::vector<WORD> dialogTemplate = EmptyTemplate(StyleOf(args));
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                   reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), args.owner,
                                   &DialogBase::dialogProc, reinterpret_cast<LPARAM>(this));
}

void DialogBase::placeAndSize() {
    const Dpi dpi = layout_.dpi();
    RECT frame{0, 0, dpi.scale(args_.clientSize.width), dpi.scale(args_.clientSize.height)};
    AdjustWindowRectExForDpi(&frame, StyleOf(args_), FALSE, WS_EX_DLGMODALFRAME, dpi.value);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT around{};
    if (args_.placement == DialogPlacement::CentreOnOwner && args_.owner && IsWindowVisible(args_.owner)) {
        GetWindowRect(args_.owner, &around);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(args_.owner ? args_.owner : hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        // The whole screen, taskbar included: centred on the work area the
        // dialog would stand off-centre by half the taskbar.
        around = monitor.rcMonitor;
    }
    const int left = (around.left + around.right - width) / 2, top = (around.top + around.bottom - height) / 2;
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogBase::addHint(HWND control, const std::wstring& hint) {
    if (!args_.hints) return;
    args_.hints->add(control, hint);
    hinted_.push_back(control);
}

INT_PTR CALLBACK DialogBase::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogBase*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    const INT_PTR result = RunEventHandler([&] { return self->handle(message, wParam, lParam); },
                                           INT_PTR(message == WM_INITDIALOG ? TRUE : FALSE));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

INT_PTR DialogBase::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (message != WM_INITDIALOG && onMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_INITDIALOG:
            SetWindowTextW(hwnd_, args_.caption.c_str());
            layout_.setDpi(WindowDpi(hwnd_));
            placeAndSize();
            onCreate();
            return TRUE;  // the dialog manager puts the focus on the first tab stop
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (onCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
            if (id == IDOK || id == IDCANCEL) {
                end(id);
                return TRUE;
            }
            return FALSE;
        }
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(painter_.surfaceBrush(Surface::Window));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
            return reinterpret_cast<INT_PTR>(painter_.controlColours(message, reinterpret_cast<HDC>(wParam),
                                                                     reinterpret_cast<HWND>(lParam), Surface::Window));
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType != ODT_BUTTON) return FALSE;
            ButtonLook look = buttonLook(int(item.CtlID));
            look.hot = IsButtonHot(item.hwndItem);
            painter_.drawButton(item, look);
            return TRUE;
        }
        case WM_DESTROY:
            if (args_.hints)
                for (const HWND control : hinted_) args_.hints->remove(control);
            hinted_.clear();
            return FALSE;
        case WM_DPICHANGED:
            layout_.setDpi(Dpi{HIWORD(wParam)});
            layout_.relayout();
            placeAndSize();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace orbilux::win32
