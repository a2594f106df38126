#include "desktop/shell_model_commit.h"

#include <deque>
#include <exception>
#include <map>

namespace orbilux {

namespace {

// The longest text the list view hands out.
constexpr std::size_t ListTextLimit = 254;

}  // namespace

std::vector<std::optional<std::size_t>> PairItemsByName(const std::vector<std::wstring>& listTexts,
                                                        const std::vector<std::wstring>& modelNames) {
    std::map<std::wstring, std::deque<std::size_t>> byName;
    for (std::size_t i = 0; i < modelNames.size(); ++i) byName[modelNames[i].substr(0, ListTextLimit)].push_back(i);
    std::vector<std::optional<std::size_t>> pairs;
    pairs.reserve(listTexts.size());
    for (const std::wstring& text : listTexts) {
        const auto found = byName.find(text);
        if (found == byName.end() || found->second.empty()) {
            pairs.emplace_back();
            continue;
        }
        pairs.emplace_back(found->second.front());
        found->second.pop_front();
    }
    return pairs;
}

void CommitToShellView(ShellIconView& view, const std::vector<std::wstring>& modelNames,
                       const std::vector<DesktopItem>& items, ShellCommitOutcome& outcome) {
    std::vector<std::wstring> texts;
    texts.reserve(items.size());
    for (const DesktopItem& item : items) texts.push_back(item.text);
    const auto pairs = PairItemsByName(texts, modelNames);

    std::vector<ModelPosition> positions;
    std::vector<std::size_t> modelItems;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!pairs[i]) {
            ++outcome.notPaired;
            continue;
        }
        positions.push_back({*pairs[i], items[i].x, items[i].y});
        modelItems.push_back(*pairs[i]);
    }
    if (positions.empty()) {
        outcome.available = true;
        return;
    }
    view.positionItems(positions);
    outcome.available = true;
    outcome.committed = static_cast<int32_t>(positions.size());

    // The shell may snap or re-flow what it was given: count what it did
    // not keep.
    const std::vector<ModelPosition> now = view.itemPositions(modelItems);
    for (std::size_t i = 0; i < positions.size(); ++i)
        if (i >= now.size() || now[i].x != positions[i].x || now[i].y != positions[i].y) ++outcome.notWherePut;
}

std::optional<ShellFolderFlags> ReadShellFolderFlags(ShellIconModel& model) {
    try {
        return model.open()->folderFlags();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

ShellCommitOutcome ShellModelCommit::commitNow() {
    ++tried_;
    last_ = ShellCommitOutcome{};
    try {
        // The shell view first: where there is none, or one without items
        // (another shell, Wine's own desktop), the list view isn't read for
        // nothing.
        const std::unique_ptr<ShellIconView> view = model_.open();
        const std::vector<std::wstring> modelNames = view->itemNames();
        DesktopOpenResult result = DesktopOpenResult::Opened;
        const std::unique_ptr<DesktopSession> session = desktop_.open(result, DesktopUse::ItemsAndPositions);
        // No list view: the action has told the user already.
        if (!session) return last_;
        const int32_t count = session->itemCount();
        std::vector<DesktopItem> items;
        items.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
        for (int32_t i = 0; i < count; ++i) items.push_back(session->queryItem(i));
        if (!session->stillThere()) return last_;
        CommitToShellView(*view, modelNames, items, last_);
    } catch (const std::exception&) {
        // A view that failed before it took the positions took none of them;
        // one that failed while they were read back took them all.
        if (!last_.available) last_ = ShellCommitOutcome{};
    }
    return last_;
}

}  // namespace orbilux
