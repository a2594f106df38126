#include "cli/layout_commands.h"

#include <cwchar>
#include <sstream>

#include "cli/console_notifier.h"
#include "cli/json_writer.h"
#include "desktop/automatic_layouts.h"
#include "desktop/layout_date.h"
#include "desktop/layout_header.h"
#include "desktop/layout_id.h"
#include "desktop/undo_snapshot.h"
#include "platform/text.h"

namespace orbilux::cli {

namespace {

constexpr const wchar_t* QuickSaveDescription = L"No description";

std::string SavedAtText(double savedAt) {
    const auto iso = SavedAtToIso8601(savedAt);
    return iso ? *iso : std::string("(no date)");
}

// A description or an id as one field of a text line: control characters
// (a line break, a tab, an escape sequence that would drive the terminal)
// are written as escapes, everything else as it is.
std::string LineField(const std::wstring& text) {
    std::wstring shown;
    for (const wchar_t c : text) {
        const auto code = static_cast<uint32_t>(c);
        if (code >= 0x20 && code != 0x7F && !(code >= 0x80 && code <= 0x9F)) {
            shown += c;
        } else if (c == L'\n') {
            shown += L"\\n";
        } else if (c == L'\r') {
            shown += L"\\r";
        } else if (c == L'\t') {
            shown += L"\\t";
        } else {
            wchar_t escape[8];
            std::swprintf(escape, 8, L"\\x%02X", static_cast<unsigned>(code));
            shown += escape;
        }
    }
    return Utf8FromWide(shown);
}

// What --id takes: what a layout id is, 1 to 8 decimal digits (fresh ids
// have 8). Anything else could be saved but not named again on the command
// line ("newest"), or would reach other keys ("a\b").
bool IsLayoutIdText(const std::string& text) {
    if (text.empty() || text.size() > LayoutIdDigits) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A layout command: its body gets the arguments, a store whose messages go to
// stderr, and the notifier to learn whether the desktop was missing. Errors
// thrown by the desktop (the shell's process can't be reached) end it with
// a message and ExitFailure.
Command LayoutCommand(const std::string& name, const std::string& usage, const std::string& summary,
                      LayoutStoreFactory makeStore, std::set<std::string> valueOptions, std::set<std::string> flags,
                      std::vector<std::string> positional,
                      std::function<int(const Arguments&, LayoutStore&, std::ostream&, std::ostream&)> body) {
    Command command{name, usage, summary, {}};
    command.run = [command, makeStore, valueOptions, flags, positional, body](const Args& args, std::ostream& out,
                                                                                std::ostream& err) {
        return RunWithUsage(command, err, [&] {
            const Arguments arguments(args, valueOptions, flags);
            arguments.expectPositional(positional);
            ConsoleNotifier notifier(err);
            LayoutStore store = makeStore(notifier);
            return FailIfQuitRequested(notifier, [&] { return body(arguments, store, out, err); });
        });
    };
    return command;
}

// Ok for Done; otherwise the status on stderr (a missing desktop has been
// reported by the store itself) and ExitFailure.
int Report(const std::string& command, const std::wstring& id, const LayoutOutcome& outcome, std::ostream& err) {
    if (outcome.status == LayoutStatus::Done) return ExitOk;
    if (outcome.status != LayoutStatus::NoDesktop)
        err << "orbiluxctl " << command << ": layout " << Utf8FromWide(id) << ": " << LayoutStatusText(outcome.status)
            << "\n";
    return ExitFailure;
}

// "newest" names the layout with the latest date; "auto" the one a display
// change would restore on this screen (its size's automatic layout, else the
// newest saved at its size); anything else is an id.
bool ResolveId(LayoutStore& store, const std::string& argument, std::wstring& id, std::ostream& err) {
    if (argument == "auto") {
        const ScreenSize size = store.ports().screen.primaryScreenSize();
        id = AutomaticLayouts(store).layoutFor(size);
        if (id.empty())
            err << "orbiluxctl: there is no layout saved at " << size.width << " x " << size.height << "\n";
        return !id.empty();
    }
    if (argument != "newest") {
        id = WideFromUtf8(argument);
        return true;
    }
    LayoutInfo newest;
    if (!store.FindNewestLayout(newest)) {
        err << "orbiluxctl: there is no saved layout\n";
        return false;
    }
    id = newest.id;
    return true;
}

}  // namespace

std::string LayoutJson(const LayoutInfo& info) {
    const auto iso = SavedAtToIso8601(info.savedAt);
    std::ostringstream json;
    json << "{\"id\": " << JsonString(Utf8FromWide(info.id))
         << ", \"savedAt\": " << (iso ? JsonString(*iso) : std::string("null"))
         << ", \"description\": " << JsonString(Utf8FromWide(info.description))
         << ", \"screenWidth\": " << info.screenWidth << ", \"screenHeight\": " << info.screenHeight
         << ", \"iconCount\": " << info.iconCount << "}";
    return json.str();
}

std::vector<Command> LayoutCommandsOver(LayoutStoreFactory makeStore, std::optional<IconMoveContext> moves) {
    std::vector<Command> commands;

    commands.push_back(LayoutCommand(
        "save", "[--description TEXT] [--id ID] [--json]",
        "save every desktop icon's position as a layout (a new id unless --id is given)", makeStore,
        {"description", "id"}, {"json"}, {},
        [](const Arguments& a, LayoutStore& store, std::ostream& out, std::ostream& err) {
            if (a.has("id") && !IsLayoutIdText(a.requiredText("id")))
                throw UsageError("--id takes a layout id: 1 to " + std::to_string(LayoutIdDigits) + " decimal digits");
            const std::wstring id = a.has("id") ? WideFromUtf8(a.requiredText("id")) : store.NewLayoutId();
            const std::wstring description =
                a.has("description") ? WideFromUtf8(a.requiredText("description")) : QuickSaveDescription;
            const LayoutOutcome outcome = store.SaveLayout(id, description);
            if (outcome.status == LayoutStatus::Done || outcome.status == LayoutStatus::RegistryFailed) {
                if (a.flag("json"))
                    out << "{\"id\": " << JsonString(Utf8FromWide(id)) << ", \"icons\": " << outcome.icons
                        << ", \"iconsSharingAName\": " << outcome.iconsSharingAName << "}\n";
                else
                    out << Utf8FromWide(id) << "\n";
                if (outcome.iconsSharingAName > 0)
                    err << "orbiluxctl save: note: " << outcome.iconsSharingAName
                        << " icons share their stored name with another icon (a name that starts with digits "
                           "runs into the index before it); only the last of each keeps its saved position\n";
            }
            return Report("save", id, outcome, err);
        }));

    commands.back().reachesDesktop = true;

    commands.push_back(LayoutCommand(
        "list", "[--json]", "list the saved layouts in registry order", makeStore, {}, {"json"}, {},
        [](const Arguments& a, LayoutStore& store, std::ostream& out, std::ostream&) {
            std::ostringstream text;
            if (a.flag("json")) text << "{\"layouts\": [";
            bool first = true;
            for (const std::wstring& name : store.ListLayoutIds()) {
                LayoutInfo info;
                if (!store.ReadLayoutInfo(name, info)) continue;  // removed meanwhile
                if (a.flag("json")) {
                    text << (first ? "" : ", ") << LayoutJson(info);
                } else {
                    text << LineField(info.id) << "\t" << SavedAtText(info.savedAt) << "\t" << info.screenWidth << "x"
                         << info.screenHeight << "\t" << info.iconCount << " icons\t" << LineField(info.description)
                         << "\n";
                }
                first = false;
            }
            if (a.flag("json")) text << "]}\n";
            out << text.str();
            return int(ExitOk);
        }));

    commands.push_back(LayoutCommand(
        "newest", "[--json]", "show the layout saved last", makeStore, {}, {"json"}, {},
        [](const Arguments& a, LayoutStore& store, std::ostream& out, std::ostream& err) {
            LayoutInfo newest;
            if (!store.FindNewestLayout(newest)) {
                err << "orbiluxctl newest: there is no saved layout\n";
                return int(ExitFailure);
            }
            if (a.flag("json"))
                out << LayoutJson(newest) << "\n";
            else
                out << LineField(newest.id) << "\t" << SavedAtText(newest.savedAt) << "\t"
                    << LineField(newest.description) << "\n";
            return int(ExitOk);
        }));

    commands.push_back(LayoutCommand(
        "restore", "ID|newest|auto|before-last-change [--json]", "put every desktop icon back where a layout saved it",
        makeStore, {}, {"json"}, {"ID"},
        [moves](const Arguments& a, LayoutStore& store, std::ostream& out, std::ostream& err) {
            std::wstring id;
            LayoutOutcome outcome;
            if (a.positional()[0] == "before-last-change") {
                // Undo: the positions before the last change, the current
                // ones kept in their place (a second undo is a redo). The
                // command line's actions carry the snapshot as an observer;
                // without them a snapshot of this command's own does.
                UndoSnapshot snapshot(store);
                id = snapshot.snapshotId();
                if (id.empty()) {
                    err << "orbiluxctl restore: there is no change to undo\n";
                    return int(ExitFailure);
                }
                IconActions local;
                local.addObserver(snapshot);
                outcome = snapshot.undo(moves ? moves->actions : local);
            } else {
                if (!ResolveId(store, a.positional()[0], id, err)) return int(ExitFailure);
                std::optional<ScopedIconAction> action;
                if (moves) action.emplace(moves->actions, IconActionKind::Restore);
                outcome = store.RestoreLayout(id);
            }
            if (outcome.status == LayoutStatus::Done) {
                if (a.flag("json")) {
                    out << "{\"id\": " << JsonString(Utf8FromWide(id)) << ", \"icons\": " << outcome.icons
                        << ", \"desktopItems\": " << outcome.desktopItems;
                    if (moves) out << ", \"shell\": " << ShellCommitJson(moves->commit.lastOutcome());
                    out << "}\n";
                } else {
                    out << "restored " << Utf8FromWide(id) << ": " << outcome.icons << " of " << outcome.desktopItems
                        << " icons moved\n";
                    if (moves) out << ShellCommitText(moves->commit.lastOutcome());
                }
            }
            return Report("restore", id, outcome, err);
        }));
    commands.back().reachesDesktop = true;

    commands.push_back(LayoutCommand(
        "delete", "ID", "delete a saved layout", makeStore, {}, {}, {"ID"},
        [](const Arguments& a, LayoutStore& store, std::ostream&, std::ostream& err) {
            const std::wstring id = WideFromUtf8(a.positional()[0]);
            return Report("delete", id, store.DeleteLayout(id), err);
        }));

    commands.push_back(LayoutCommand(
        "describe", "ID TEXT", "change a saved layout's description", makeStore, {}, {}, {"ID", "TEXT"},
        [](const Arguments& a, LayoutStore& store, std::ostream&, std::ostream& err) {
            const std::wstring id = WideFromUtf8(a.positional()[0]);
            return Report("describe", id, store.SetLayoutDescription(id, WideFromUtf8(a.positional()[1])), err);
        }));

    return commands;
}

}  // namespace orbilux::cli
