#include "desktop/automatic_layouts.h"

#include "desktop/layout_id.h"
#include "desktop/layout_matching.h"

namespace orbilux {

namespace {

std::wstring SizeName(ScreenSize size) {
    return std::to_wstring(size.width) + L"x" + std::to_wstring(size.height);
}

bool SameItems(const std::vector<DesktopItem>& a, const std::vector<DesktopItem>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].text != b[i].text || a[i].x != b[i].x || a[i].y != b[i].y) return false;
    return true;
}

// The icon values a save of these items leaves, by name (a later item
// writing the same name wins, as in the registry).
std::map<std::wstring, std::vector<uint8_t>> ValuesOf(const std::vector<DesktopItem>& items) {
    std::map<std::wstring, std::vector<uint8_t>> values;
    for (std::size_t i = 0; i < items.size(); ++i)
        values[IconValueName(static_cast<int32_t>(i), items[i].text)] = IconValueData(items[i].x, items[i].y);
    return values;
}

}  // namespace

std::wstring AutomaticLayoutDescription(ScreenSize size) {
    return L"Automatic: " + std::to_wstring(size.width) + L" x " + std::to_wstring(size.height);
}

AutomaticLayouts::AutomaticLayouts(LayoutStore& store)
    : store_(store), ports_(store.ports()), mapKey_(store.automaticKeyPath()) {}

std::wstring AutomaticLayouts::existingId(ScreenSize size) {
    std::unique_ptr<RegistryKey> key = ports_.registry.openKeyForReading(mapKey_);
    if (!key) return {};
    const std::optional<std::wstring> id = key->readString(SizeName(size));
    if (!id || !IsUsableLayoutId(*id) || !store_.HasLayoutHeader(*id)) return {};
    return *id;
}

std::wstring AutomaticLayouts::makeId(ScreenSize size) {
    // A fresh id may be one the user has already; an automatic write must
    // never replace the user's own layout.
    std::wstring id = store_.NewLayoutId();
    for (int tries = 0; tries < 8 && store_.HasLayoutHeader(id); ++tries) id = store_.NewLayoutId();
    if (store_.HasLayoutHeader(id)) return {};
    std::unique_ptr<RegistryKey> key = ports_.registry.openKey(mapKey_, true);
    // Without the record every refresh would make another layout.
    if (!key || !key->writeString(SizeName(size), id)) return {};
    return id;
}

bool AutomaticLayouts::storedLayoutMatches(const std::wstring& id, const std::vector<DesktopItem>& items) {
    LayoutInfo info;
    if (!store_.ReadLayoutInfo(id, info) || info.iconCount != static_cast<int32_t>(items.size())) return false;
    std::unique_ptr<RegistryKey> iconKey = ports_.registry.openKeyForReading(store_.iconKeyPath(id));
    if (!iconKey) return false;
    std::map<std::wstring, std::vector<uint8_t>> stored;
    for (RegistryValue& value : iconKey->values()) stored[value.name] = std::move(value.data);
    return stored == ValuesOf(items);
}

AutomaticRefresh AutomaticLayouts::refresh() {
    const ScreenSize size = ports_.screen.primaryScreenSize();
    std::vector<DesktopItem> items;
    {
        DesktopOpenResult opened = DesktopOpenResult::Opened;
        std::unique_ptr<DesktopSession> session = ports_.desktop.open(opened, DesktopUse::ItemsAndPositions);
        if (!session) return AutomaticRefresh::NoDesktop;
        const int32_t count = std::max(session->itemCount(), int32_t(0));
        if (!ReadAllItems(*session, count, items)) return AutomaticRefresh::NoDesktop;
    }

    std::wstring id = existingId(size);
    const auto sizeKey = std::make_pair(size.width, size.height);
    if (!id.empty()) {
        const auto known = known_.find(sizeKey);
        const bool unchanged = known != known_.end() ? SameItems(known->second, items) : storedLayoutMatches(id, items);
        if (unchanged) {
            known_[sizeKey] = std::move(items);
            return AutomaticRefresh::Unchanged;
        }
    }

    // A description the user gave it stays.
    std::wstring description = AutomaticLayoutDescription(size);
    LayoutInfo info;
    if (!id.empty() && store_.ReadLayoutInfo(id, info) && !info.description.empty()) description = info.description;
    if (id.empty()) id = makeId(size);
    if (id.empty()) return AutomaticRefresh::Failed;

    const LayoutOutcome outcome = store_.WriteLayout(id, description, items);
    if (outcome.status != LayoutStatus::Done) {
        known_.erase(sizeKey);
        return AutomaticRefresh::Failed;
    }
    known_[sizeKey] = std::move(items);
    return AutomaticRefresh::Written;
}

std::wstring AutomaticLayouts::layoutFor(ScreenSize size) {
    std::wstring id = existingId(size);
    if (!id.empty() && ports_.registry.keyExists(store_.iconKeyPath(id))) return id;

    // The newest at that size, dated as FindNewestLayout dates them.
    std::wstring newest;
    double best = 0.0;
    for (const std::wstring& candidate : store_.ListLayoutIds()) {
        LayoutInfo info;
        if (!store_.ReadLayoutInfo(candidate, info)) continue;
        if (info.screenWidth != size.width || info.screenHeight != size.height) continue;
        if (info.savedAt > best && ports_.registry.keyExists(store_.iconKeyPath(candidate))) {
            best = info.savedAt;
            newest = candidate;
        }
    }
    return newest;
}

}  // namespace orbilux
