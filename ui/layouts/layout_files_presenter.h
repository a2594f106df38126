// "Export layout...", "Import layout..." and "Undo last change": the window
// program's commands that move layouts to and from files and take the
// desktop one step back. The file dialogs are a port, so the whole flow is
// tested natively; the layouts page tells which layout is selected and is
// asked to show the saved layouts anew after an import.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "desktop/icon_actions.h"
#include "desktop/layout_ports.h"
#include "desktop/layout_store.h"
#include "desktop/undo_snapshot.h"
#include "platform/registry_port.h"
#include "platform/user_notifier.h"
#include "ui/commands/command_table.h"

namespace orbilux::ui {

// The system's own open and save dialogs, filtered to layout files with an
// "All files" choice. nullopt when the user cancelled.
class LayoutFileDialogs {
public:
    virtual ~LayoutFileDialogs() = default;
    virtual std::optional<std::filesystem::path> askExportPath(const std::wstring& suggestedName) = 0;
    virtual std::optional<std::filesystem::path> askImportPath() = 0;
};

struct LayoutFilesPorts {
    CommandTable& commands;
    LayoutStore& layouts;
    RegistryPort& registry;  // the store's registry
    TimeZone& timeZone;
    LocaleSource& locale;
    LayoutFileDialogs& dialogs;
    UserNotifier& notifier;
    UndoSnapshot& undo;    // observes `actions`
    IconActions& actions;  // undo is one of them
    // The id of the layout selected on the layouts page (empty: none).
    std::function<std::wstring()> selectedLayoutId;
    // Shows the saved layouts anew: the page's list and both submenus.
    std::function<void()> layoutsChanged;
};

class LayoutFilesPresenter {
public:
    // Defines ExportLayoutA (disabled until a layout is selected),
    // ImportLayoutA and UndoLastChangeA (enabled when there is a snapshot).
    explicit LayoutFilesPresenter(const LayoutFilesPorts& ports);
    LayoutFilesPresenter(const LayoutFilesPresenter&) = delete;
    LayoutFilesPresenter& operator=(const LayoutFilesPresenter&) = delete;

    // Enables or greys "Undo last change" as the store has a snapshot or not.
    void refreshUndo();

private:
    void exportLayout();
    void importLayout();
    void undoLastChange();

    LayoutFilesPorts ports_;
};

// The file name an export suggests: the description with the characters a
// file name can't hold left out, then ".orbilux-layout.json".
std::wstring SuggestedLayoutFileName(const std::wstring& description);

}  // namespace orbilux::ui
