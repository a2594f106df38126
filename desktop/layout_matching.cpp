#include "desktop/layout_matching.h"

#include <limits>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace orbilux {

namespace {

uint32_t ReadUint32(const std::vector<uint8_t>& data, std::size_t offset) {
    return uint32_t(data[offset]) | uint32_t(data[offset + 1]) << 8 | uint32_t(data[offset + 2]) << 16 |
           uint32_t(data[offset + 3]) << 24;
}

// Two's complement without relying on how a narrowing conversion behaves.
int32_t AsSigned(uint32_t bits) {
    if (bits <= uint32_t(std::numeric_limits<int32_t>::max())) return static_cast<int32_t>(bits);
    return -static_cast<int32_t>(~bits) - 1;
}

uint32_t AsUnsigned(int32_t value) {
    if (value >= 0) return static_cast<uint32_t>(value);
    return ~static_cast<uint32_t>(-(value + 1));
}

// The index a value name gives for an item text: the name must be the text
// preceded by a decimal index written as a save writes it (no sign, no
// leading zeros).
std::optional<int64_t> StoredIndexFor(const std::wstring& name, const std::wstring& text) {
    if (name.size() <= text.size() || name.compare(name.size() - text.size(), text.size(), text) != 0)
        return std::nullopt;
    const std::size_t digits = name.size() - text.size();
    if (digits > 10 || (digits > 1 && name[0] == L'0')) return std::nullopt;
    int64_t index = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        if (name[i] < L'0' || name[i] > L'9') return std::nullopt;
        index = index * 10 + (name[i] - L'0');
    }
    return index;
}

// The length of the text a stored name belongs to among the current texts,
// or none. A name can read as more than one index and text ("11Password" as
// item 1 "1Password" or item 11 "Password"); the save wrote in item order, so
// the value holds the position of the reading with the highest index, which
// is the one with the most digits.
std::optional<std::size_t> OwnerTextLength(const std::wstring& name,
                                           const std::unordered_set<std::wstring>& currentTexts) {
    std::optional<std::size_t> owner;
    for (std::size_t digits = 1; digits <= name.size() && digits <= 10; ++digits) {
        if (name[digits - 1] < L'0' || name[digits - 1] > L'9' || (digits > 1 && name[0] == L'0')) break;
        const std::size_t length = name.size() - digits;
        if (currentTexts.count(name.substr(digits))) owner = length;
    }
    return owner;
}

}  // namespace

std::wstring IconValueName(int32_t index, const std::wstring& text) { return std::to_wstring(index) + text; }

std::vector<uint8_t> IconValueData(int32_t x, int32_t y) {
    std::vector<uint8_t> data;
    for (const uint32_t bits : {AsUnsigned(x), AsUnsigned(y)})
        for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<uint8_t>((bits >> shift) & 0xFF));
    return data;
}

std::vector<StoredIconPosition> StoredPositions(const std::vector<RegistryValue>& values) {
    std::vector<StoredIconPosition> positions;
    for (const RegistryValue& value : values) {
        if (value.type != uint32_t(RegistryType::Binary) || value.data.size() != IconValueSize) continue;
        positions.push_back({value.name, AsSigned(ReadUint32(value.data, 0)), AsSigned(ReadUint32(value.data, 4))});
    }
    return positions;
}

IconTargets MatchSavedPositions(const std::vector<StoredIconPosition>& stored,
                                const std::vector<std::wstring>& currentTexts) {
    const std::size_t none = stored.size();
    std::vector<bool> used(stored.size(), false);
    std::vector<std::size_t> matchOf(currentTexts.size(), none);

    // A value is only ever given to an item of the text it was written for.
    const std::unordered_set<std::wstring> texts(currentTexts.begin(), currentTexts.end());
    std::vector<std::optional<std::size_t>> ownerLength;
    for (const StoredIconPosition& value : stored) ownerLength.push_back(OwnerTextLength(value.name, texts));
    auto belongsTo = [&](std::size_t s, const std::wstring& text) { return ownerLength[s] == text.size(); };

    // First every exact name, so that no item's own value goes to another
    // item of the same text as a fallback.
    std::unordered_map<std::wstring, std::size_t> byName;
    for (std::size_t s = 0; s < stored.size(); ++s) byName.emplace(stored[s].name, s);
    for (std::size_t i = 0; i < currentTexts.size(); ++i) {
        const auto found = byName.find(IconValueName(static_cast<int32_t>(i), currentTexts[i]));
        if (found == byName.end() || used[found->second] || !belongsTo(found->second, currentTexts[i])) continue;
        used[found->second] = true;
        matchOf[i] = found->second;
    }

    // Then, item by item, the unused value of the same text with the lowest
    // saved index.
    for (std::size_t i = 0; i < currentTexts.size(); ++i) {
        if (matchOf[i] != none) continue;
        std::size_t best = none;
        int64_t bestIndex = 0;
        for (std::size_t s = 0; s < stored.size(); ++s) {
            if (used[s] || !belongsTo(s, currentTexts[i])) continue;
            const auto index = StoredIndexFor(stored[s].name, currentTexts[i]);
            if (index && (best == none || *index < bestIndex)) {
                best = s;
                bestIndex = *index;
            }
        }
        if (best == none) continue;
        used[best] = true;
        matchOf[i] = best;
    }

    IconTargets targets;
    for (std::size_t i = 0; i < currentTexts.size(); ++i)
        if (matchOf[i] != none)
            targets.push_back({stored[matchOf[i]].x, stored[matchOf[i]].y, static_cast<int32_t>(i)});
    return targets;
}

}  // namespace orbilux
