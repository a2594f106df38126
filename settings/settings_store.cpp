#include "settings/settings_store.h"

#include "settings/product_version.h"
#include "settings/settings_paths.h"
#include "settings/start_with_windows.h"

namespace orbilux {

namespace {

// The "Options" keys in the order the file lists them; loading and saving
// both walk this one table, so they can't disagree about order or fields.
struct OptionField {
    enum Kind { Flag, Number } kind;
    const BoolKey* flagKey;
    bool ProgramOptions::*flag;
    const IntegerKey* numberKey;
    int32_t ProgramOptions::*number;
    IntegerRange range;
};

constexpr OptionField FlagField(const BoolKey& key, bool ProgramOptions::*field) {
    return {OptionField::Flag, &key, field, nullptr, nullptr, {0, 0}};
}
constexpr OptionField NumberField(const IntegerKey& key, int32_t ProgramOptions::*field, IntegerRange range) {
    return {OptionField::Number, nullptr, nullptr, &key, field, range};
}

const OptionField OptionFields[] = {
    FlagField(keys::MinimizeOnTray, &ProgramOptions::MinimizeOnTray),
    FlagField(keys::LoadLastShape, &ProgramOptions::LoadLastShape),
    FlagField(keys::SaveOnStartup, &ProgramOptions::SaveOnStartup),
    FlagField(keys::ConfirmSave, &ProgramOptions::ConfirmSave),
    FlagField(keys::ConfirmLoad, &ProgramOptions::ConfirmLoad),
    FlagField(keys::AutoBlend, &ProgramOptions::AutoBlend),
    NumberField(keys::Transparency, &ProgramOptions::Transparency, TransparencyRange),
    NumberField(keys::Hue, &ProgramOptions::Hue, HueRange),
    NumberField(keys::Saturation, &ProgramOptions::Saturation, SaturationRange),
    FlagField(keys::RestoreOnScreenChange, &ProgramOptions::RestoreOnScreenChange),
};

}  // namespace

ProgramOptions LoadOptions(const SettingsFile& file, RegistryPort& registry) {
    ProgramOptions options;
    options.RunAtStartup = RunValuePresent(registry, RunValueName, /*remove=*/false);
    for (const OptionField& field : OptionFields) {
        if (field.kind == OptionField::Flag) {
            options.*field.flag = file.read(*field.flagKey);
        } else {
            // A hand-edited 300 would otherwise reach the window's byte-sized
            // alpha value; the sliders show the same clamped value.
            options.*field.number = field.range.clamp(file.read(*field.numberKey));
        }
    }
    return options;
}

bool SaveOptions(SettingsFile& file, const ProgramOptions& options, RegistryPort& registry,
                 const std::wstring& programPath) {
    for (const OptionField& field : OptionFields) {
        if (field.kind == OptionField::Flag)
            file.write(*field.flagKey, options.*field.flag);
        else
            file.write(*field.numberKey, options.*field.number);
    }
    if (options.RunAtStartup) return WriteRunValue(registry, RunValueName, programPath);
    // Only a value that exists is removed: with none there, the registry is
    // not written to at all.
    if (!RunValuePresent(registry, RunValueName, /*remove=*/true)) return true;
    return !RunValuePresent(registry, RunValueName, /*remove=*/false);
}

std::wstring SettingsStore::settingsFilePath() {
    return SettingsFilePath(locations_);
}

std::wstring SettingsStore::programFolder() {
    return ProgramFolder(locations_);
}

ProgramOptions SettingsStore::loadOptions(const std::wstring& path) {
    return LoadOptions(file(path), registry_);
}

bool SettingsStore::saveOptions(const std::wstring& path, const ProgramOptions& options) {
    SettingsFile settings = file(path);
    return SaveOptions(settings, options, registry_, locations_.programPath());
}

std::wstring SettingsStore::productVersion() {
    return ProductVersion(registry_);
}

}  // namespace orbilux
