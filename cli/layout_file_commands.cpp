#include "cli/layout_file_commands.h"

#include "cli/console_notifier.h"
#include "cli/json_writer.h"
#include "desktop/layout_file_io.h"
#include "desktop/layout_transfer.h"
#include "platform/text.h"

namespace orbilux::cli {

namespace {

std::filesystem::path PathArgument(const std::string& utf8) {
    return std::filesystem::u8path(utf8);
}

}  // namespace

std::vector<Command> LayoutFileCommandsOver(LayoutStoreFactory makeStore, LayoutFileSystem system) {
    std::vector<Command> commands;

    Command exportCommand{
        "export", "ID|newest [-o FILE]", "write a saved layout as a layout file (to standard output without -o)", {}};
    exportCommand.run = [exportCommand, makeStore, system](const Args& args, std::ostream& out, std::ostream& err) {
        return RunWithUsage(exportCommand, err, [&] {
            const Arguments a(args, {"output"}, {});
            a.expectPositional({"ID"});
            ConsoleNotifier notifier(err);
            LayoutStore store = makeStore(notifier);
            std::wstring id = WideFromUtf8(a.positional()[0]);
            if (a.positional()[0] == "newest") {
                LayoutInfo newest;
                if (!store.FindNewestLayout(newest)) {
                    err << "orbiluxctl export: there is no saved layout\n";
                    return int(ExitFailure);
                }
                id = newest.id;
            }
            const LayoutExport exported = ExportLayout({store, system.registry, system.timeZone, system.locale}, id);
            if (exported.status != LayoutStatus::Done) {
                err << "orbiluxctl export: layout " << Utf8FromWide(id) << ": " << LayoutStatusText(exported.status)
                    << "\n";
                return int(ExitFailure);
            }
            const std::string bytes = ComposeLayoutFile(exported.layout);
            if (!a.has("output")) {
                out << bytes;
                return int(ExitOk);
            }
            const std::string failure = WriteWholeFile(PathArgument(a.requiredText("output")), bytes);
            if (!failure.empty()) {
                err << "orbiluxctl export: " << a.requiredText("output") << ": " << failure << "\n";
                return int(ExitFailure);
            }
            return int(ExitOk);
        });
    };
    commands.push_back(exportCommand);

    Command importCommand{"import",
                          "FILE [--description TEXT] [--json]",
                          "add the layout of a layout file to the saved layouts under a new id",
                          {}};
    importCommand.run = [importCommand, makeStore, system](const Args& args, std::ostream& out, std::ostream& err) {
        return RunWithUsage(importCommand, err, [&] {
            const Arguments a(args, {"description"}, {"json"});
            a.expectPositional({"FILE"});
            const std::string name = a.positional()[0];
            const FileRead read = ReadWholeFile(PathArgument(name), MaxLayoutFileBytes);
            const LayoutFileParse parsed = read.ok ? ParseLayoutFile(read.bytes) : LayoutFileParse{};
            if (!parsed.ok) {
                err << "orbiluxctl import: " << name << ": " << (read.ok ? parsed.error : read.error) << "\n";
                return int(ExitFailure);
            }
            ConsoleNotifier notifier(err);
            LayoutStore store = makeStore(notifier);
            std::optional<std::wstring> description;
            if (a.has("description")) description = WideFromUtf8(a.requiredText("description"));
            const LayoutImport imported =
                ImportLayout({store, system.registry, system.timeZone, system.locale}, parsed.layout, description);
            if (imported.status != LayoutStatus::Done) {
                err << "orbiluxctl import: " << name << ": " << LayoutStatusText(imported.status) << "\n";
                return int(ExitFailure);
            }
            if (a.flag("json"))
                out << "{\"id\": " << JsonString(Utf8FromWide(imported.id))
                    << ", \"icons\": " << parsed.layout.icons.size() << "}\n";
            else
                out << Utf8FromWide(imported.id) << "\n";
            return int(ExitOk);
        });
    };
    commands.push_back(importCommand);
    return commands;
}

}  // namespace orbilux::cli
