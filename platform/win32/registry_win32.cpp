#include "platform/win32/registry_win32.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace orbilux::win32 {

namespace {

class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(UniqueRegKey key) : key_(std::move(key)) {}

    std::vector<std::wstring> valueNames() override {
        std::vector<std::wstring> names;
        for (const RegistryValue& value : enumerate(/*withData=*/false)) names.push_back(value.name);
        return names;
    }

    std::vector<RegistryValue> values() override { return enumerate(/*withData=*/true); }

    bool hasValue(const std::wstring& name) override {
        return RegQueryValueExW(key_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    std::optional<RegistryValue> readValue(const std::wstring& name) override {
        // The value may grow between the size query and the read: retry then.
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD type = 0, size = 0;
            if (RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
                return std::nullopt;
            RegistryValue value;
            value.name = name;
            value.data.resize(size);
            const LSTATUS status =
                RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, value.data.data(), &size);
            if (status == ERROR_MORE_DATA) continue;
            if (status != ERROR_SUCCESS) return std::nullopt;
            value.data.resize(size);
            value.type = type;
            return value;
        }
        return std::nullopt;
    }

    std::optional<std::wstring> readString(const std::wstring& name) override {
        const auto value = readValue(name);
        if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
        return RegistryStringFromBytes(value->data);
    }

    bool writeString(const std::wstring& name, const std::wstring& text) override {
        const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              bytes) == ERROR_SUCCESS;
    }

    bool writeBinary(const std::wstring& name, const std::vector<uint8_t>& data) override {
        return RegSetValueExW(key_.get(), name.c_str(), 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size())) ==
               ERROR_SUCCESS;
    }

    bool deleteValue(const std::wstring& name) override {
        return RegDeleteValueW(key_.get(), name.c_str()) == ERROR_SUCCESS;
    }

private:
    std::vector<RegistryValue> enumerate(bool withData) {
        std::vector<RegistryValue> result;
        DWORD maxName = 0, maxData = 0;
        if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                             &maxData, nullptr, nullptr) != ERROR_SUCCESS)
            return result;
        std::vector<wchar_t> name(maxName + 2);
        std::vector<BYTE> data(maxData + 1);
        for (DWORD index = 0;; ++index) {
            DWORD nameLength = static_cast<DWORD>(name.size());
            DWORD dataSize = static_cast<DWORD>(data.size());
            DWORD type = 0;
            const LSTATUS status = RegEnumValueW(key_.get(), index, name.data(), &nameLength, nullptr, &type,
                                                 withData ? data.data() : nullptr, withData ? &dataSize : nullptr);
            if (status == ERROR_NO_MORE_ITEMS) break;
            if (status == ERROR_MORE_DATA) {
                // The key changed under us: make room and read this index again.
                name.resize(name.size() * 2 + 256);
                data.resize(data.size() * 2 + 256);
                --index;
                continue;
            }
            if (status != ERROR_SUCCESS) break;
            RegistryValue value;
            value.name.assign(name.data(), nameLength);
            value.type = type;
            if (withData) value.data.assign(data.begin(), data.begin() + dataSize);
            result.push_back(std::move(value));
        }
        return result;
    }

    UniqueRegKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::openKey(const std::wstring& path, bool create) {
    HKEY key = nullptr;
    const REGSAM access = KEY_READ | KEY_WRITE;
    const LSTATUS status =
        create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                 &key, nullptr)
               : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &key);
    if (status != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(UniqueRegKey(key));
}

std::unique_ptr<RegistryKey> Win32Registry::openKeyForReading(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(UniqueRegKey(key));
}

bool Win32Registry::keyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool Win32Registry::deleteKeyTree(const std::wstring& path) {
    return RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace orbilux::win32
