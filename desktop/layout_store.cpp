#include "desktop/layout_store.h"

#include <algorithm>
#include <unordered_map>

#include "desktop/icon_moves.h"
#include "desktop/layout_header.h"
#include "desktop/layout_id.h"
#include "desktop/layout_matching.h"

namespace orbilux {

const char* LayoutStatusText(LayoutStatus status) {
    switch (status) {
        case LayoutStatus::Done: return "done";
        case LayoutStatus::NoDesktop: return "no desktop list view";
        case LayoutStatus::NoShellProcess: return "the desktop list view has no owning process";
        case LayoutStatus::DesktopChanged: return "the desktop went away while its icons were read";
        case LayoutStatus::InvalidId: return "not a usable layout id";
        case LayoutStatus::NoSuchLayout: return "no such layout";
        case LayoutStatus::HeaderUnreadable: return "the layout's header is not text";
        case LayoutStatus::RegistryFailed: return "a registry key or value could not be written";
    }
    return "unknown";
}

LayoutStore::LayoutStore(const LayoutStorePorts& ports, std::wstring registryRoot)
    : ports_(ports), root_(std::move(registryRoot)) {}

std::wstring LayoutStore::headerKeyPath() const { return root_ + L"\\Saves"; }

std::wstring LayoutStore::iconKeyPath(const std::wstring& id) const { return root_ + L"\\Icons\\" + id; }

std::wstring LayoutStore::automaticKeyPath() const { return root_ + L"\\Automatic"; }

std::wstring LayoutStore::NewLayoutId() { return LayoutIdFromSeed(ports_.ticks.highResolutionTicks()); }

bool ReadAllItems(DesktopSession& session, int32_t count, std::vector<DesktopItem>& items) {
    items.clear();
    for (int32_t i = 0; i < count; ++i) items.push_back(session.queryItem(i));
    return session.stillThere();
}

std::unique_ptr<DesktopSession> LayoutStore::openDesktop(LayoutStatus& status) {
    DesktopOpenResult result = DesktopOpenResult::Opened;
    std::unique_ptr<DesktopSession> session =
        OpenDesktopOrTellUser(ports_.desktop, ports_.notifier, DesktopUse::ItemsAndPositions, result);
    if (session)
        status = LayoutStatus::Done;
    else
        status = result == DesktopOpenResult::NoListView ? LayoutStatus::NoDesktop : LayoutStatus::NoShellProcess;
    return session;
}

std::wstring LayoutStore::NewFreeLayoutId() {
    for (uint64_t attempt = 0; attempt < 100; ++attempt) {
        const std::wstring id = LayoutIdFromSeed(ports_.ticks.highResolutionTicks() + attempt);
        if (!HasLayoutHeader(id) && !ports_.registry.keyExists(iconKeyPath(id))) return id;
    }
    return std::wstring();
}

LayoutStatus LayoutStore::ReadDesktopItems(std::vector<DesktopItem>& items, bool tellUserWhenMissing) {
    items.clear();
    std::unique_ptr<DesktopSession> session;
    if (tellUserWhenMissing) {
        LayoutStatus opened = LayoutStatus::Done;
        session = openDesktop(opened);
        if (!session) return opened;
    } else {
        DesktopOpenResult result = DesktopOpenResult::Opened;
        session = ports_.desktop.open(result, DesktopUse::ItemsAndPositions);
        if (!session)
            return result == DesktopOpenResult::NoListView ? LayoutStatus::NoDesktop : LayoutStatus::NoShellProcess;
    }
    const int32_t count = std::max(session->itemCount(), int32_t(0));
    if (!ReadAllItems(*session, count, items)) return LayoutStatus::DesktopChanged;
    return LayoutStatus::Done;
}

LayoutOutcome LayoutStore::SaveLayout(const std::wstring& id, const std::wstring& description) {
    if (!IsUsableLayoutId(id)) return {LayoutStatus::InvalidId};
    LayoutStatus opened = LayoutStatus::Done;
    std::unique_ptr<DesktopSession> session = openDesktop(opened);
    if (!session) return {opened};

    // Everything is read before anything is deleted: a shell that can't be
    // read (queryItem throws) or went away meanwhile must not cost the user
    // the layout this save was meant to replace.
    const int32_t count = std::max(session->itemCount(), int32_t(0));
    std::vector<DesktopItem> items;
    if (!ReadAllItems(*session, count, items)) return {LayoutStatus::DesktopChanged, 0, count};
    session.reset();

    return WriteLayout(id, description, items);
}

LayoutOutcome LayoutStore::WriteLayout(const std::wstring& id, const std::wstring& description,
                                       const std::vector<DesktopItem>& items) {
    if (!IsUsableLayoutId(id)) return {LayoutStatus::InvalidId};
    const auto count = static_cast<int32_t>(items.size());
    LayoutOutcome outcome{LayoutStatus::Done, 0, count};
    const std::wstring iconPath = iconKeyPath(id);
    ports_.registry.deleteKeyTree(iconPath);  // missing when the id is new
    std::unique_ptr<RegistryKey> iconKey = ports_.registry.openKey(iconPath, true);
    if (!iconKey) outcome.status = LayoutStatus::RegistryFailed;

    if (std::unique_ptr<RegistryKey> headerKey = ports_.registry.openKey(headerKeyPath(), true)) {
        const ScreenSize screen = ports_.screen.primaryScreenSize();
        const std::wstring header =
            ComposeHeader(FormatSavedAtText(ports_.clock.localNow(), ports_.locale.userLocale()), description,
                          screen.width, screen.height, count);
        if (!headerKey->writeString(id, header)) outcome.status = LayoutStatus::RegistryFailed;
    } else {
        outcome.status = LayoutStatus::RegistryFailed;
    }

    if (iconKey) {
        // A name is the index followed by the text, with nothing between:
        // item 1 "1Password" and item 11 "Password" both write "11Password",
        // and the later write is the one kept. Such icons are counted, and
        // only the values the key ends up holding count as saved.
        std::unordered_map<std::wstring, int32_t> writers;
        for (int32_t i = 0; i < count; ++i) {
            const DesktopItem& item = items[static_cast<std::size_t>(i)];
            const std::wstring name = IconValueName(i, item.text);
            if (iconKey->writeBinary(name, IconValueData(item.x, item.y)))
                ++writers[name];
            else
                outcome.status = LayoutStatus::RegistryFailed;
        }
        outcome.icons = static_cast<int32_t>(writers.size());
        for (const auto& entry : writers)
            if (entry.second > 1) outcome.iconsSharingAName += entry.second;
    }
    return outcome;
}

std::vector<std::wstring> LayoutStore::ListLayoutIds() {
    std::unique_ptr<RegistryKey> headerKey = ports_.registry.openKeyForReading(headerKeyPath());
    if (!headerKey) return {};
    return headerKey->valueNames();
}

bool LayoutStore::HeaderKeyUsable() { return ports_.registry.openKey(headerKeyPath(), true) != nullptr; }

bool LayoutStore::HasLayoutHeader(const std::wstring& id) {
    if (id.empty()) return false;
    std::unique_ptr<RegistryKey> headerKey = ports_.registry.openKeyForReading(headerKeyPath());
    return headerKey && headerKey->hasValue(id);
}

bool LayoutStore::readInfo(RegistryKey& headerKey, const std::wstring& id, const LocaleSettings& locale,
                           LayoutInfo& info) {
    // An empty name is the key's default value, never a layout's header.
    if (id.empty() || !headerKey.hasValue(id)) return false;
    const std::optional<std::wstring> text = headerKey.readString(id);
    info = text ? ParseHeader(id, *text, locale) : UnreadableLayoutInfo(id);
    return true;
}

bool LayoutStore::ReadLayoutInfo(const std::wstring& id, LayoutInfo& info) {
    std::unique_ptr<RegistryKey> headerKey = ports_.registry.openKeyForReading(headerKeyPath());
    if (!headerKey) return false;
    return readInfo(*headerKey, id, ports_.locale.userLocale(), info);
}

bool LayoutStore::FindNewestLayout(LayoutInfo& newest) {
    newest.id.clear();
    std::unique_ptr<RegistryKey> headerKey = ports_.registry.openKeyForReading(headerKeyPath());
    if (!headerKey) return false;
    const LocaleSettings locale = ports_.locale.userLocale();
    std::vector<std::wstring> automatic;
    if (std::unique_ptr<RegistryKey> automaticKey = ports_.registry.openKeyForReading(automaticKeyPath()))
        for (const RegistryValue& value : automaticKey->values())
            if (value.type == uint32_t(RegistryType::String)) automatic.push_back(RegistryStringFromBytes(value.data));
    double best = 0.0;
    bool found = false;
    for (const std::wstring& id : headerKey->valueNames()) {
        if (std::find(automatic.begin(), automatic.end(), id) != automatic.end()) continue;
        LayoutInfo scratch;
        if (!readInfo(*headerKey, id, locale, scratch)) continue;  // gone since it was listed
        if (scratch.description == BeforeLastChangeDescription) continue;
        if (scratch.savedAt > best) {
            best = scratch.savedAt;
            newest = scratch;
            found = true;
        }
    }
    return found;
}

LayoutOutcome LayoutStore::RestoreLayout(const std::wstring& id) {
    if (!IsUsableLayoutId(id)) return {LayoutStatus::InvalidId};
    LayoutStatus opened = LayoutStatus::Done;
    std::unique_ptr<DesktopSession> session = openDesktop(opened);
    if (!session) return {opened};
    const int32_t count = std::max(session->itemCount(), int32_t(0));

    std::vector<StoredIconPosition> stored;
    {
        std::unique_ptr<RegistryKey> iconKey = ports_.registry.openKeyForReading(iconKeyPath(id));
        if (!iconKey) return {LayoutStatus::NoSuchLayout, 0, count};
        stored = StoredPositions(iconKey->values());
    }

    // Matching goes by the icons' names, so every current name is read
    // before anything moves.
    std::vector<DesktopItem> items;
    if (!ReadAllItems(*session, count, items)) return {LayoutStatus::DesktopChanged, 0, count};
    std::vector<std::wstring> texts;
    for (DesktopItem& item : items) texts.push_back(std::move(item.text));
    const IconTargets targets = MatchSavedPositions(stored, texts);
    MoveIcons(*session, targets, AutoArrangeBack::AtTheEnd);
    return {LayoutStatus::Done, static_cast<int32_t>(targets.size()), count};
}

LayoutOutcome LayoutStore::DeleteLayout(const std::wstring& id) {
    if (id.empty()) return {LayoutStatus::InvalidId};
    std::unique_ptr<RegistryKey> headerKey = ports_.registry.openKey(headerKeyPath(), true);
    if (!headerKey) return {LayoutStatus::RegistryFailed};
    bool found = false, failed = false;
    if (headerKey->hasValue(id)) {
        found = true;
        failed = !headerKey->deleteValue(id);
    }
    headerKey.reset();

    // A foreign header whose name can't be part of a key path has no icon key
    // of its own; deleting "Icons\" + its name could reach other keys.
    const std::wstring iconPath = iconKeyPath(id);
    if (IsUsableLayoutId(id) && ports_.registry.keyExists(iconPath)) {
        found = true;
        if (!ports_.registry.deleteKeyTree(iconPath)) failed = true;
    }
    const LayoutStatus status =
        failed ? LayoutStatus::RegistryFailed : found ? LayoutStatus::Done : LayoutStatus::NoSuchLayout;
    return {status};
}

LayoutOutcome LayoutStore::SetLayoutDescription(const std::wstring& id, const std::wstring& description) {
    if (id.empty()) return {LayoutStatus::InvalidId};
    std::unique_ptr<RegistryKey> headerKey = ports_.registry.openKey(headerKeyPath(), true);
    if (!headerKey) return {LayoutStatus::RegistryFailed};
    if (!headerKey->hasValue(id)) return {LayoutStatus::NoSuchLayout};
    const std::optional<std::wstring> header = headerKey->readString(id);
    if (!header) return {LayoutStatus::HeaderUnreadable};
    if (!headerKey->writeString(id, WithDescription(*header, description))) return {LayoutStatus::RegistryFailed};
    return {LayoutStatus::Done};
}

}  // namespace orbilux
