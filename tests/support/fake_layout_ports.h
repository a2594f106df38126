// Fixed stand-ins for the layout store's system ports, and a rig that wires
// a LayoutStore to in-memory fakes of everything it uses.
#pragma once

#include <deque>

#include "desktop/layout_ports.h"
#include "desktop/layout_store.h"
#include "tests/support/fake_desktop_session.h"
#include "tests/support/fake_registry.h"

namespace orbilux::test {

class FixedClock : public Clock {
public:
    LocalDateTime localNow() override { return now; }
    LocalDateTime now;
};

class FixedLocale : public LocaleSource {
public:
    LocaleSettings userLocale() override { return settings; }
    LocaleSettings settings;  // English (United States) unless a test changes it
};

class FixedScreen : public ScreenMetrics {
public:
    ScreenSize primaryScreenSize() override { return size; }
    ScreenSize size{1280, 1024};
};

class SteppingTicks : public TickSource {
public:
    uint64_t highResolutionTicks() override {
        if (!next.empty()) {
            now = next.front();
            next.pop_front();
        }
        return now;
    }
    uint64_t now = 1;
    std::deque<uint64_t> next;  // values for the next calls; then the last one stays
};

// A layout store over in-memory fakes of all its ports.
struct LayoutStoreRig {
    FakeRegistry registry;
    FakeShellDesktop desktop;
    RecordingNotifier notifier;
    FixedClock clock;
    FixedLocale locale;
    FixedScreen screen;
    SteppingTicks ticks;
    LayoutStore store{LayoutStorePorts{registry, desktop, notifier, clock, locale, screen, ticks}};

    static constexpr const wchar_t* HeaderKey = L"Software\\Orbilux\\Saves";
    static std::wstring IconKey(const std::wstring& id) { return L"Software\\Orbilux\\Icons\\" + id; }

    std::optional<std::wstring> header(const std::wstring& id) {
        auto key = registry.openKey(HeaderKey, false);
        return key ? key->readString(id) : std::nullopt;
    }
    // The icon key's values, in the order they enumerate.
    std::vector<RegistryValue> iconValues(const std::wstring& id) {
        FakeRegistry::Key* key = registry.key(IconKey(id));
        return key ? key->values : std::vector<RegistryValue>{};
    }
};

}  // namespace orbilux::test
