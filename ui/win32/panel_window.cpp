#include "ui/win32/panel_window.h"

#include "ui/win32/window_text.h"

namespace orbilux::win32 {

namespace {

// A label that reports clicks (SS_NOTIFY) takes part in a clickable panel.
bool IsClickableLabel(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, L"Static") == 0 && (GetWindowLongW(window, GWL_STYLE) & SS_NOTIFY);
}

}  // namespace

PanelWindow::PanelWindow(const SkinPainter& painter, const PanelArgs& args)
    : painter_(painter),
      clickable_(args.clickable),
      surface_(args.surface),
      group_(!args.groupCaption.empty()),
      font_(args.font) {
    registerClass(PanelClassName);
    WindowCreateArgs create;
    create.className = PanelClassName;
    create.title = args.groupCaption.c_str();
    create.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (args.visible ? WS_VISIBLE : 0);
    // Tab moves into and out of the panel's controls as if they were the
    // window's own.
    create.exStyle = WS_EX_CONTROLPARENT;
    create.x = args.area.left;
    create.y = args.area.top;
    create.width = args.area.right - args.area.left;
    create.height = args.area.bottom - args.area.top;
    create.parent = args.parent;
    create.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id));
    this->create(create);
}

LRESULT PanelWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
            return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd(), &client);
            painter_.fill(reinterpret_cast<HDC>(wParam), client, surface_);
            return 1;
        }
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_PAINT:
            if (group_) {
                PAINTSTRUCT paint;
                const HDC dc = BeginPaint(hwnd(), &paint);
                RECT client;
                GetClientRect(hwnd(), &client);
                painter_.drawGroupFrame(dc, client, WindowText(hwnd()),
                                        font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
                EndPaint(hwnd(), &paint);
                return 0;
            }
            break;
        case WM_SETCURSOR: {
            const HWND over = reinterpret_cast<HWND>(wParam);
            if (clickable_ && LOWORD(lParam) == HTCLIENT && (over == hwnd() || IsClickableLabel(over))) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_LBUTTONUP:
            if (clickable_)
                SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), BN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd()));
            return 0;
    }
    return WindowBase::handleMessage(message, wParam, lParam);
}

}  // namespace orbilux::win32
