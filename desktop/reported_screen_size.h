// The primary screen's size as the last display change reported it.
//
// WM_DISPLAYCHANGE carries the new size in its own arguments. On Windows the
// system's metrics say the same by the time it arrives; a desktop that changes
// its size without the system's metrics following (the stand-in desktop under
// Wine, a remote session that is slow to update them) is still believed. Once
// the system's own size moves on from what it said at the report, it is the
// system that is right again.
#pragma once

#include <optional>

#include "desktop/layout_ports.h"
#include "desktop/layout_store.h"

namespace orbilux {

class ReportedScreenSize : public ScreenMetrics {
public:
    explicit ReportedScreenSize(ScreenMetrics& system) : system_(system) {}

    void displayChanged(ScreenSize reported) {
        reported_ = reported;
        systemThen_ = system_.primaryScreenSize();
    }

    ScreenSize primaryScreenSize() override {
        const ScreenSize now = system_.primaryScreenSize();
        const bool systemMoved = now.width != systemThen_.width || now.height != systemThen_.height;
        return reported_ && !systemMoved ? *reported_ : now;
    }

private:
    ScreenMetrics& system_;
    std::optional<ScreenSize> reported_;
    ScreenSize systemThen_;
};

// The same ports with another screen.
inline LayoutStorePorts WithScreen(const LayoutStorePorts& ports, ScreenMetrics& screen) {
    return LayoutStorePorts{ports.registry, ports.desktop, ports.notifier, ports.clock,
                            ports.locale,   screen,        ports.ticks};
}

}  // namespace orbilux
