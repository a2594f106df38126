#include "system/system_adapters.h"

namespace orbilux::system {

ShellDesktopPort SystemAdapters::desktopPort(UserNotifier& notifier) {
    return ShellDesktopPort(desktop, notifier);
}

LayoutStorePorts SystemAdapters::layoutStorePorts(UserNotifier& notifier) {
    return LayoutStorePorts{registry, desktop, notifier, clock, locale, screen, ticks};
}

}  // namespace orbilux::system
