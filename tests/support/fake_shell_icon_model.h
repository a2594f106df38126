// An in-memory shell icon model: named items with positions and folder
// flags, or no view at all. It counts the batches it was handed, so tests
// can tell one commit per action from one per tick.
#pragma once

#include <string>
#include <vector>

#include "desktop/shell_icon_model.h"

namespace orbilux::test {

class FakeShellIconModel : public ShellIconModel {
public:
    struct Item {
        std::wstring name;
        int32_t x = 0;
        int32_t y = 0;
    };

    bool available = true;
    bool hasItems = true;  // false: a view that has no items to give (as Wine's own desktop's)
    std::vector<Item> items;
    ShellFolderFlags flags;
    // Where the shell puts an item it was given: a snapping shell moves it.
    int32_t snapTo = 0;  // > 0: positions are rounded down to multiples of this
    int batches = 0;     // positionItems calls

    void nameItems(const std::vector<std::wstring>& names) {
        items.clear();
        for (const std::wstring& name : names) items.push_back({name});
    }

    std::unique_ptr<ShellIconView> open() override {
        if (!available) throw ShellViewUnavailable("no shell view here");
        return std::make_unique<View>(*this);
    }

private:
    class View : public ShellIconView {
    public:
        explicit View(FakeShellIconModel& model) : model_(model) {}
        std::vector<std::wstring> itemNames() override {
            if (!model_.hasItems) throw ShellViewUnavailable("this view has no items");
            std::vector<std::wstring> names;
            for (const Item& item : model_.items) names.push_back(item.name);
            return names;
        }
        void positionItems(const std::vector<ModelPosition>& positions) override {
            ++model_.batches;
            for (const ModelPosition& p : positions) {
                Item& item = model_.items.at(p.item);
                item.x = model_.snapTo > 0 ? p.x / model_.snapTo * model_.snapTo : p.x;
                item.y = model_.snapTo > 0 ? p.y / model_.snapTo * model_.snapTo : p.y;
            }
        }
        std::vector<ModelPosition> itemPositions(const std::vector<std::size_t>& which) override {
            std::vector<ModelPosition> out;
            for (const std::size_t i : which) out.push_back({i, model_.items.at(i).x, model_.items.at(i).y});
            return out;
        }
        ShellFolderFlags folderFlags() override { return model_.flags; }

    private:
        FakeShellIconModel& model_;
    };
};

}  // namespace orbilux::test
