// Fakes for the layout manager's presenter: a recording list and menus, a
// confirmer and a description dialog that answer from a script, and a rig
// over the real layout store on an in-memory registry and desktop.
#pragma once

#include <deque>
#include <map>

#include "tests/support/fake_layout_ports.h"
#include "tests/support/recording_icon_actions.h"
#include "ui/layouts/layouts_page_presenter.h"

namespace orbilux::test {

class RecordingLayoutsView : public ui::LayoutsPageView {
public:
    void setRows(const std::vector<ui::LayoutRow>& r) override {
        rows = r;
        selection.reset();  // a refilled list has no selection
        ++fills;
    }
    void removeRow(int index) override {
        rows.erase(rows.begin() + index);
        selection.reset();
    }
    std::optional<int> selectedRow() override { return selection; }
    std::wstring descriptionText() override { return description; }
    void setDescriptionText(const std::wstring& text) override { description = text; }
    void setDescriptionEnabled(bool enabled) override { descriptionEnabled = enabled; }

    std::vector<ui::LayoutRow> rows;
    std::optional<int> selection;
    std::wstring description;
    bool descriptionEnabled = true;
    int fills = 0;
};

class RecordingMenus : public ui::SavedLayoutsMenuView {
public:
    struct Item {
        uint16_t id;  // 0 for the heading and the separator
        std::wstring caption;
    };
    void clearSavedLayouts(ui::SavedLayoutsMenu menu) override {
        items[menu].clear();
        ++builds[menu];
    }
    void addSavedLayoutsHeading(ui::SavedLayoutsMenu menu) override {
        items[menu].push_back({0, L"Saved layouts: "});
        items[menu].push_back({0, L"-"});
    }
    void addSavedLayout(ui::SavedLayoutsMenu menu, uint16_t id, const std::wstring& caption) override {
        items[menu].push_back({id, caption});
    }
    std::vector<std::wstring> captions(ui::SavedLayoutsMenu menu) const {
        std::vector<std::wstring> all;
        const auto it = items.find(menu);
        if (it != items.end())
            for (const Item& item : it->second) all.push_back(item.caption);
        return all;
    }

    std::map<ui::SavedLayoutsMenu, std::vector<Item>> items;
    std::map<ui::SavedLayoutsMenu, int> builds;
};

// Answers each question with the next scripted answer ("&Yes" when the
// script runs out) and keeps the questions.
class ScriptedConfirmer : public ui::Confirmer {
public:
    bool confirm(const std::wstring& question) override {
        questions.push_back(question);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<bool> answers;
    std::vector<std::wstring> questions;
};

class ScriptedDescriptions : public ui::DescriptionAsker {
public:
    std::optional<std::wstring> askDescription() override {
        ++openings;
        return answer;
    }
    std::optional<std::wstring> answer;  // nullopt: "Cancel"
    int openings = 0;
};

class FixedDateFormat : public ui::DateDisplayFormatSource {
public:
    ui::DateDisplayFormat userFormat() override { return format; }
    ui::DateDisplayFormat format;
};

// A different seed, and so a different layout id, at every call.
class CountingTicks : public TickSource {
public:
    uint64_t highResolutionTicks() override { return next_ += 7919; }

private:
    uint64_t next_ = 0;
};

struct LayoutsPageRig {
    static constexpr const wchar_t* HeaderKey = L"Software\\Orbilux\\Saves";

    LayoutsPageRig() {
        for (int i = 0; i < 12; ++i) shell.add(L"Icon " + std::to_wstring(i), 100 + i, 200);
        clock.now = LocalDateTime{2026, 12, 9, 14, 5, 9};
    }

    // A layout saved now, at a later moment each time.
    std::wstring save(const std::wstring& description) {
        clock.now.minute += 1;
        const std::wstring id = layouts.NewLayoutId();
        layouts.SaveLayout(id, description);
        return id;
    }
    std::vector<std::wstring> descriptions() {
        std::vector<std::wstring> all;
        for (const std::wstring& id : layouts.ListLayoutIds()) {
            LayoutInfo info;
            if (layouts.ReadLayoutInfo(id, info)) all.push_back(info.description);
        }
        return all;
    }
    // Selects a row as the user's click would, with the list's notifications.
    void select(int row) {
        view.selection = row;
        presenter.LayoutsListChange(row, true);
        presenter.LayoutsListSelectItem(row, true);
    }

    FakeRegistry registry;
    FakeShellDesktop shell;
    RecordingNotifier notifier;
    FixedClock clock;
    FixedLocale locale;
    FixedScreen screen;
    CountingTicks ticks;
    LayoutStore layouts{LayoutStorePorts{registry, shell, notifier, clock, locale, screen, ticks}};
    RecordingLayoutsView view;
    RecordingMenus menus;
    ui::CommandTable commands;
    ProgramOptions options;
    ScriptedConfirmer confirmer;
    ScriptedDescriptions descriptionDialog;
    FixedDateFormat dateFormat;
    IconActions actions;
    RecordingIconActions actionLog{actions};
    ui::LayoutsPagePresenter presenter{
        ui::LayoutsPagePorts{view, menus, layouts, commands, options, confirmer, descriptionDialog, dateFormat, actions}};
};

}  // namespace orbilux::test
