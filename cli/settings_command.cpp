#include "cli/settings_command.h"

#include <sstream>
#include <utility>
#include <vector>

#include "cli/json_writer.h"
#include "platform/text.h"
#include "settings/settings_store.h"

namespace orbilux::cli {

namespace {

// The fields in ProgramOptions order, each as the text both outputs print.
std::vector<std::pair<const char*, std::string>> OptionTexts(const ProgramOptions& o) {
    auto flag = [](bool value) { return std::string(value ? "true" : "false"); };
    // clang-format off
    return {
        {"RunAtStartup", flag(o.RunAtStartup)},
        {"MinimizeOnTray", flag(o.MinimizeOnTray)},
        {"LoadLastShape", flag(o.LoadLastShape)},
        {"SaveOnStartup", flag(o.SaveOnStartup)},
        {"ConfirmSave", flag(o.ConfirmSave)},
        {"ConfirmLoad", flag(o.ConfirmLoad)},
        {"AutoBlend", flag(o.AutoBlend)},
        {"RestoreOnScreenChange", flag(o.RestoreOnScreenChange)},
        {"Transparency", std::to_string(o.Transparency)},
        {"Hue", std::to_string(o.Hue)},
        {"Saturation", std::to_string(o.Saturation)},
    };
    // clang-format on
}

}  // namespace

std::string SettingsJson(const std::wstring& path, const ProgramOptions& options) {
    std::ostringstream json;
    json << "{\"path\": " << JsonString(Utf8FromWide(path));
    for (const auto& [name, value] : OptionTexts(options)) json << ", \"" << name << "\": " << value;
    json << "}";
    return json.str();
}

std::string SettingsText(const std::wstring& path, const ProgramOptions& options) {
    std::ostringstream text;
    text << "settings file:  " << Utf8FromWide(path) << "\n";
    for (const auto& [name, value] : OptionTexts(options)) {
        const std::string label = std::string(name) + ":";
        text << label << std::string(label.size() < 16 ? 16 - label.size() : 1, ' ') << value << "\n";
    }
    return text.str();
}

Command SettingsCommandOver(ProfilePort& profile, RegistryPort& registry, SystemLocations& locations) {
    Command command;
    command.name = "settings";
    command.usage = "[--json]";
    command.summary = "show where the settings file is and the options loaded from it";
    command.run = [command, &profile, &registry, &locations](const Args& args, std::ostream& out, std::ostream& err) {
        return RunWithUsage(command, err, [&] {
            const Arguments arguments(args, {}, {"json"});
            arguments.expectPositional({});
            SettingsStore store(profile, registry, locations);
            const std::wstring path = store.settingsFilePath();
            const ProgramOptions options = store.loadOptions(path);
            if (arguments.flag("json"))
                out << SettingsJson(path, options) << "\n";
            else
                out << SettingsText(path, options);
            return int(ExitOk);
        });
    };
    return command;
}

}  // namespace orbilux::cli
