#include "settings/settings_file.h"

#include "platform/text.h"
#include "settings/profile_values.h"

namespace orbilux {

SettingsWriteError::SettingsWriteError(const std::wstring& file)
    : std::runtime_error("Unable to write to " + Utf8FromWide(file)), file_(file) {}

std::wstring SettingsFile::readText(const wchar_t* section, const wchar_t* name) const {
    // An empty fallback: a missing key and an empty one both mean "use the default".
    return profile_.readString(path_, section, name, L"");
}

void SettingsFile::writeText(const wchar_t* section, const wchar_t* name, const std::wstring& text) {
    if (!profile_.writeString(path_, section, name, text)) throw SettingsWriteError(path_);
}

bool SettingsFile::read(const BoolKey& key) const {
    return ProfileBoolOr(readText(key.section, key.name), key.fallback);
}

int32_t SettingsFile::read(const IntegerKey& key) const {
    return ProfileIntegerOr(readText(key.section, key.name), key.fallback);
}

std::wstring SettingsFile::read(const StringKey& key) const {
    return profile_.readString(path_, key.section, key.name, key.fallback);
}

void SettingsFile::write(const BoolKey& key, bool value) {
    writeText(key.section, key.name, FormatProfileBool(value));
}

void SettingsFile::write(const IntegerKey& key, int32_t value) {
    writeText(key.section, key.name, FormatProfileInteger(value));
}

void SettingsFile::write(const StringKey& key, const std::wstring& value) {
    writeText(key.section, key.name, value);
}

}  // namespace orbilux
