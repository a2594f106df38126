#include "ui/win32/layered_window.h"

namespace orbilux::win32 {

void LayeredWindow::setAlpha(uint8_t alpha) {
    alpha_ = alpha;
    if (blending_ && window_) SetLayeredWindowAttributes(window_, 0, alpha_, LWA_ALPHA);
}

void LayeredWindow::setBlending(bool on) {
    if (on == blending_) return;
    blending_ = on;
    if (!window_) return;
    const LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    if (on) {
        SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        SetLayeredWindowAttributes(window_, 0, alpha_, LWA_ALPHA);
    } else {
        SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        // Leaving the layered state drops what was drawn into the layer.
        RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

}  // namespace orbilux::win32
