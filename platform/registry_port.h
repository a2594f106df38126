// The slice of the registry the program uses: keys under the current user's
// hive, opened with or without creating them, and typed values inside them.
// The Win32 adapter talks to HKEY_CURRENT_USER; tests use an in-memory fake
// that enumerates values in the order they were written, as Windows does.
// (Wine enumerates them sorted by name: never rely on either order where it
// can be avoided.)
//
// Failures are reported, not thrown: a key that can't be opened is nullptr,
// a failed write is false. Callers decide whether that matters.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orbilux {

// The registry's value types, with the numbers Windows gives them.
enum class RegistryType : uint32_t {
    None = 0,
    String = 1,        // REG_SZ
    ExpandString = 2,  // REG_EXPAND_SZ
    Binary = 3,        // REG_BINARY
    Dword = 4,         // REG_DWORD
    MultiString = 7,   // REG_MULTI_SZ
};

struct RegistryValue {
    std::wstring name;
    uint32_t type = 0;               // a RegistryType number, or anything else the registry holds
    std::vector<uint8_t> data;       // raw bytes as stored

    friend bool operator==(const RegistryValue& a, const RegistryValue& b) {
        return a.name == b.name && a.type == b.type && a.data == b.data;
    }
    friend bool operator!=(const RegistryValue& a, const RegistryValue& b) { return !(a == b); }
};

// One open key; closed when the object is destroyed.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // Value names in the registry's enumeration order.
    virtual std::vector<std::wstring> valueNames() = 0;
    // Every value with its type and data, in enumeration order.
    virtual std::vector<RegistryValue> values() = 0;
    virtual bool hasValue(const std::wstring& name) = 0;
    virtual std::optional<RegistryValue> readValue(const std::wstring& name) = 0;
    // The text of a REG_SZ or REG_EXPAND_SZ value (not expanded); nullopt
    // when the value is missing or holds another type.
    virtual std::optional<std::wstring> readString(const std::wstring& name) = 0;

    virtual bool writeString(const std::wstring& name, const std::wstring& text) = 0;
    virtual bool writeBinary(const std::wstring& name, const std::vector<uint8_t>& data) = 0;
    virtual bool deleteValue(const std::wstring& name) = 0;
};

class RegistryPort {
public:
    virtual ~RegistryPort() = default;

    // Opens the key at `path` (relative to the current user's hive, "\"
    // separated). With `create`, missing keys on the way are created.
    // nullptr when it can't be opened (or created).
    virtual std::unique_ptr<RegistryKey> openKey(const std::wstring& path, bool create) = 0;
    // Opens an existing key to read it, asking for no write access, so a key
    // the user may read but not change still lists and reads. Writes through
    // it fail. nullptr when it is missing or can't be opened.
    virtual std::unique_ptr<RegistryKey> openKeyForReading(const std::wstring& path) = 0;
    virtual bool keyExists(const std::wstring& path) = 0;
    // Deletes the key with everything under it; false when it was missing or
    // could not be deleted.
    virtual bool deleteKeyTree(const std::wstring& path) = 0;
};

// UTF-16LE bytes of a string with its terminating NUL, as REG_SZ stores it,
// and back (stopping at the first NUL; an odd trailing byte is dropped).
std::vector<uint8_t> RegistryStringBytes(const std::wstring& text);
std::wstring RegistryStringFromBytes(const std::vector<uint8_t>& data);

}  // namespace orbilux
