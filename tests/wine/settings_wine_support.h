// Helpers for the settings tests under Wine: a scratch folder, raw file
// bytes, and guards that put the real Run value and a real file back the
// way they were, so tests that use the user's real locations leave the
// prefix as they found it.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/registry_win32.h"
#include "settings/start_with_windows.h"

namespace orbilux::wine_test {

// A fresh folder under the temporary folder, removed with its contents.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& leaf) {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + L"orbilux-" + leaf + L"-" + std::to_wstring(GetCurrentProcessId());
        std::filesystem::remove_all(std::filesystem::path(path_), ignored_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        // Read-only files inside would stop the removal.
        std::filesystem::remove_all(std::filesystem::path(path_), ignored_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
    std::error_code ignored_;
};

inline std::optional<std::vector<unsigned char>> ReadBytes(const std::wstring& file) {
    HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<unsigned char> bytes;
    unsigned char buffer[4096];
    DWORD read = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    CloseHandle(handle);
    return bytes;
}

inline bool WriteBytes(const std::wstring& file, const std::vector<unsigned char>& bytes) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(handle, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(handle);
    return ok;
}

inline bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The real "Orbilux" Run value: remembered on construction, restored (or
// removed) on destruction.
class RunValueGuard {
public:
    RunValueGuard() {
        if (auto key = registry_.openKey(RunKeyPath, false)) saved_ = key->readValue(RunValueName);
    }
    ~RunValueGuard() {
        auto key = registry_.openKey(RunKeyPath, true);
        if (!key) return;
        if (saved_)
            key->writeString(RunValueName, RegistryStringFromBytes(saved_->data));
        else
            key->deleteValue(RunValueName);
    }
    RunValueGuard(const RunValueGuard&) = delete;
    RunValueGuard& operator=(const RunValueGuard&) = delete;

private:
    win32::Win32Registry registry_;
    std::optional<RegistryValue> saved_;
};

// A real file: its bytes remembered on construction, put back (or the file
// removed) on destruction.
class FileGuard {
public:
    explicit FileGuard(std::wstring path) : path_(std::move(path)), saved_(ReadBytes(path_)) {}
    ~FileGuard() {
        if (saved_)
            WriteBytes(path_, *saved_);
        else
            DeleteFileW(path_.c_str());
    }
    FileGuard(const FileGuard&) = delete;
    FileGuard& operator=(const FileGuard&) = delete;

private:
    std::wstring path_;
    std::optional<std::vector<unsigned char>> saved_;
};

}  // namespace orbilux::wine_test
