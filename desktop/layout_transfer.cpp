#include "desktop/layout_transfer.h"

#include <algorithm>
#include <map>

#include "desktop/layout_header.h"
#include "desktop/layout_id.h"

namespace orbilux {

namespace {

struct Reading {
    int64_t index;
    std::wstring text;
};

// Every way a value name reads as a saving index (decimal, no leading zeros,
// as a save writes it) followed by a text, the shortest index first.
std::vector<Reading> Readings(const std::wstring& name) {
    std::vector<Reading> readings;
    int64_t index = 0;
    for (std::size_t digits = 1; digits <= name.size() && digits <= 10; ++digits) {
        const wchar_t c = name[digits - 1];
        if (c < L'0' || c > L'9') break;
        index = index * 10 + (c - L'0');
        readings.push_back({index, name.substr(digits)});
        if (name[0] == L'0') break;  // "0" is the only index that starts with a zero
    }
    return readings;
}

}  // namespace

std::vector<LayoutFileIcon> IconsInSavedOrder(const std::vector<StoredIconPosition>& stored) {
    std::vector<std::vector<Reading>> readings;
    std::map<int64_t, int> claims;  // indexes of names that read only one way
    for (const StoredIconPosition& value : stored) {
        readings.push_back(Readings(value.name));
        if (readings.back().size() == 1) ++claims[readings.back().front().index];
    }

    struct Placed {
        bool indexed;
        int64_t index;
        std::size_t order;
        LayoutFileIcon icon;
    };
    std::vector<Placed> placed;
    for (std::size_t s = 0; s < stored.size(); ++s) {
        const StoredIconPosition& value = stored[s];
        const std::vector<Reading>& ways = readings[s];
        if (ways.empty()) {
            placed.push_back({false, 0, s, {value.name, value.x, value.y}});
            continue;
        }
        const Reading* chosen = &ways.back();
        if (ways.size() > 1) {
            for (auto way = ways.rbegin(); way != ways.rend(); ++way) {
                if (!claims.count(way->index)) {
                    chosen = &*way;
                    break;
                }
            }
        }
        placed.push_back({true, chosen->index, s, {chosen->text, value.x, value.y}});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        if (a.indexed != b.indexed) return a.indexed;
        return a.indexed && a.index < b.index;
    });
    std::vector<LayoutFileIcon> icons;
    for (Placed& p : placed) icons.push_back(std::move(p.icon));
    return icons;
}

LayoutExport ExportLayout(const LayoutTransferPorts& ports, const std::wstring& id) {
    LayoutExport result;
    if (!IsUsableLayoutId(id)) {
        result.status = LayoutStatus::InvalidId;
        return result;
    }
    LayoutInfo info;
    std::unique_ptr<RegistryKey> iconKey = ports.registry.openKeyForReading(ports.store.iconKeyPath(id));
    if (!ports.store.ReadLayoutInfo(id, info) || !iconKey) {
        result.status = LayoutStatus::NoSuchLayout;
        return result;
    }
    LayoutFile& layout = result.layout;
    layout.description = info.description;
    layout.screenWidth = info.screenWidth;
    layout.screenHeight = info.screenHeight;
    // A date that doesn't convert stays as it was stored rather than making
    // the export fail: the date is information, not something restored.
    const LocalDateTime local = DateTimeFromSavedAt(info.savedAt).value_or(LocalDateTime());
    layout.savedAtUtc = ports.timeZone.localToUtc(local).value_or(local);
    layout.icons = IconsInSavedOrder(StoredPositions(iconKey->values()));
    if (layout.icons.size() > MaxLayoutFileIcons) layout.icons.resize(MaxLayoutFileIcons);
    return result;
}

LayoutImport ImportLayout(const LayoutTransferPorts& ports, const LayoutFile& file,
                          const std::optional<std::wstring>& description) {
    LayoutImport result;
    const std::wstring id = ports.store.NewFreeLayoutId();
    if (id.empty()) {
        result.status = LayoutStatus::RegistryFailed;
        return result;
    }
    const std::wstring iconPath = ports.store.iconKeyPath(id);
    auto undo = [&] {
        ports.registry.deleteKeyTree(iconPath);
        result.status = LayoutStatus::RegistryFailed;
        return result;
    };

    std::unique_ptr<RegistryKey> iconKey = ports.registry.openKey(iconPath, true);
    if (!iconKey) return undo();
    for (std::size_t i = 0; i < file.icons.size(); ++i) {
        const LayoutFileIcon& icon = file.icons[i];
        if (!iconKey->writeBinary(IconValueName(static_cast<int32_t>(i), icon.name), IconValueData(icon.x, icon.y)))
            return undo();
    }
    iconKey.reset();

    std::unique_ptr<RegistryKey> headerKey = ports.registry.openKey(ports.store.headerKeyPath(), true);
    if (!headerKey) return undo();
    const LocalDateTime local = ports.timeZone.utcToLocal(file.savedAtUtc).value_or(file.savedAtUtc);
    const std::wstring header =
        ComposeHeader(FormatSavedAtText(local, ports.locale.userLocale()), description.value_or(file.description),
                      file.screenWidth, file.screenHeight, static_cast<int32_t>(file.icons.size()));
    if (!headerKey->writeString(id, header)) {
        headerKey->deleteValue(id);
        return undo();
    }
    result.id = id;
    return result;
}

}  // namespace orbilux
