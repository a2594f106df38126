// The desktop ports on the real shell: the engine's DesktopPort (count and
// apply targets) and the layout store's DesktopAccess (sessions that read
// items and set positions).
#pragma once

#include "desktop/desktop_session.h"
#include "engine/desktop_port.h"
#include "platform/user_notifier.h"

namespace orbilux::win32 {

class Win32DesktopPort : public DesktopPort {
public:
    explicit Win32DesktopPort(UserNotifier& notifier) : notifier_(notifier) {}
    int32_t DesktopItemCount() override;
    void ApplyIconTargets(const IconTargets& targets) override;

private:
    UserNotifier& notifier_;
};

class Win32DesktopAccess : public DesktopAccess {
public:
    std::unique_ptr<DesktopSession> open(DesktopOpenResult& result) override;
};

}  // namespace orbilux::win32
