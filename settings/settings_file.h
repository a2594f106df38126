// One settings file reached through the profile port: typed reads that
// fall back to each key's default, and writes that raise SettingsWriteError
// ("Unable to write to <file>") when the file can't be written, so that a
// run of writes stops at the first one that fails.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "settings/profile_port.h"
#include "settings/settings_keys.h"

namespace orbilux {

class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const std::wstring& file);
    const std::wstring& file() const { return file_; }
    // The message as wide text, for showing it with the file name intact.
    std::wstring message() const { return L"Unable to write to " + file_; }

private:
    std::wstring file_;
};

class SettingsFile {
public:
    SettingsFile(ProfilePort& profile, std::wstring path) : profile_(profile), path_(std::move(path)) {}

    const std::wstring& path() const { return path_; }

    bool read(const BoolKey& key) const;
    int32_t read(const IntegerKey& key) const;
    std::wstring read(const StringKey& key) const;

    void write(const BoolKey& key, bool value);
    void write(const IntegerKey& key, int32_t value);
    void write(const StringKey& key, const std::wstring& value);

    // Whether a shape state was stored: "SWidth" read with -1 is not -1.
    bool hasShapeState() const { return read(keys::ShapeWidthPresence) != -1; }

private:
    std::wstring readText(const wchar_t* section, const wchar_t* name) const;
    void writeText(const wchar_t* section, const wchar_t* name, const std::wstring& text);

    ProfilePort& profile_;
    std::wstring path_;
};

}  // namespace orbilux
