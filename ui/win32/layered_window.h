// A window's translucency as a layered window: while blending is on the
// window carries WS_EX_LAYERED with its alpha value; while it is off the
// style is gone and the window is drawn as any opaque window.
#pragma once

#include <windows.h>

#include "ui/main/main_ports.h"

namespace orbilux::win32 {

class LayeredWindow : public ui::WindowLayer {
public:
    void attach(HWND window) { window_ = window; }

    void setAlpha(uint8_t alpha) override;
    uint8_t alpha() const override { return alpha_; }
    void setBlending(bool on) override;
    bool blending() const override { return blending_; }

private:
    HWND window_ = nullptr;
    uint8_t alpha_ = 255;
    bool blending_ = false;
};

}  // namespace orbilux::win32
