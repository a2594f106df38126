#include "ui/layouts/layout_files_presenter.h"

#include "desktop/layout_file_io.h"
#include "desktop/layout_transfer.h"
#include "platform/text.h"
#include "ui/control_ids.h"
#include "ui/ui_texts.h"

namespace orbilux::ui {

std::wstring SuggestedLayoutFileName(const std::wstring& description) {
    std::wstring name;
    for (const wchar_t c : description) {
        if (c < 0x20 || std::wstring(L"<>:\"/\\|?*").find(c) != std::wstring::npos) continue;
        name += c;
    }
    // Windows drops trailing dots and spaces from a name.
    while (!name.empty() && (name.back() == L' ' || name.back() == L'.')) name.pop_back();
    while (!name.empty() && name.front() == L' ') name.erase(0, 1);
    if (name.size() > 100) name.resize(100);
    if (name.empty()) name = L"Layout";
    return name + texts::LayoutFileExtension;
}

LayoutFilesPresenter::LayoutFilesPresenter(const LayoutFilesPorts& ports) : ports_(ports) {
    CommandTable& commands = ports_.commands;
    commands.define(ExportLayoutA, texts::ExportLayoutItem);
    commands.setHandler(ExportLayoutA, [this] { exportLayout(); });
    commands.setEnabled(ExportLayoutA, false);
    commands.define(ImportLayoutA, texts::ImportLayoutItem);
    commands.setHandler(ImportLayoutA, [this] { importLayout(); });
    commands.define(UndoLastChangeA, texts::UndoLastChangeItem);
    commands.setHandler(UndoLastChangeA, [this] { undoLastChange(); });
    ports_.undo.setChangedListener([this] { refreshUndo(); });
}

void LayoutFilesPresenter::refreshUndo() {
    ports_.commands.setEnabled(UndoLastChangeA, ports_.undo.available());
}

void LayoutFilesPresenter::exportLayout() {
    const std::wstring id = ports_.selectedLayoutId();
    if (id.empty()) return;
    LayoutInfo info;
    if (!ports_.layouts.ReadLayoutInfo(id, info)) info.description.clear();
    const std::optional<std::filesystem::path> path =
        ports_.dialogs.askExportPath(SuggestedLayoutFileName(info.description));
    if (!path) return;
    const LayoutExport exported = ExportLayout({ports_.layouts, ports_.registry, ports_.timeZone, ports_.locale}, id);
    std::string failure;
    if (exported.status != LayoutStatus::Done)
        failure = LayoutStatusText(exported.status);
    else
        failure = WriteWholeFile(*path, ComposeLayoutFile(exported.layout));
    if (!failure.empty()) ports_.notifier.showMessage(texts::ExportFailedMessage + WideFromUtf8(failure));
}

void LayoutFilesPresenter::importLayout() {
    const std::optional<std::filesystem::path> path = ports_.dialogs.askImportPath();
    if (!path) return;
    const FileRead read = ReadWholeFile(*path, MaxLayoutFileBytes);
    const LayoutFileParse parsed = read.ok ? ParseLayoutFile(read.bytes) : LayoutFileParse{};
    if (!parsed.ok) {
        ports_.notifier.showMessage(texts::ImportRefusedMessage + WideFromUtf8(read.ok ? parsed.error : read.error));
        return;
    }
    const LayoutImport imported =
        ImportLayout({ports_.layouts, ports_.registry, ports_.timeZone, ports_.locale}, parsed.layout);
    if (imported.status != LayoutStatus::Done) {
        ports_.notifier.showMessage(texts::ImportRefusedMessage + WideFromUtf8(LayoutStatusText(imported.status)));
        return;
    }
    ports_.layoutsChanged();
}

void LayoutFilesPresenter::undoLastChange() {
    ports_.undo.undo(ports_.actions);
    refreshUndo();
    ports_.layoutsChanged();
}

}  // namespace orbilux::ui
