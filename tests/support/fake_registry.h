// An in-memory registry that behaves like the real one in the ways the
// program relies on: key paths and value names match without regard to case
// (ASCII letters only), creating a key creates the keys above it, values
// enumerate in the order they were first written (overwriting keeps a
// value's place), values keep their type, a key opened for reading takes no
// writes. Failures can be switched on to test the callers' handling.
#pragma once

#include <algorithm>
#include <cwctype>
#include <map>
#include <memory>
#include <set>

#include "platform/registry_port.h"

namespace orbilux::test {

inline std::wstring FoldCase(const std::wstring& text) {
    std::wstring folded = text;
    for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return folded;
}

class FakeRegistry : public RegistryPort {
public:
    struct Key {
        std::vector<RegistryValue> values;
        RegistryValue* find(const std::wstring& name) {
            for (RegistryValue& v : values)
                if (FoldCase(v.name) == FoldCase(name)) return &v;
            return nullptr;
        }
    };

    std::unique_ptr<RegistryKey> openKey(const std::wstring& path, bool create) override;
    std::unique_ptr<RegistryKey> openKeyForReading(const std::wstring& path) override;
    bool keyExists(const std::wstring& path) override { return keys_.count(FoldCase(path)) != 0; }
    bool deleteKeyTree(const std::wstring& path) override {
        const std::wstring folded = FoldCase(path);
        if (!keys_.count(folded) || failDeletes) return false;
        for (auto it = keys_.begin(); it != keys_.end();) {
            const bool under = it->first == folded || it->first.rfind(folded + L"\\", 0) == 0;
            it = under ? keys_.erase(it) : std::next(it);
        }
        return true;
    }

    // Direct access for arranging and checking test state.
    Key* key(const std::wstring& path) {
        const auto it = keys_.find(FoldCase(path));
        return it == keys_.end() ? nullptr : &it->second;
    }
    // Creates the key and every missing key above it, as the registry does.
    Key& ensureKey(const std::wstring& path) {
        const std::wstring folded = FoldCase(path);
        for (std::size_t slash = folded.find(L'\\'); slash != std::wstring::npos;
             slash = folded.find(L'\\', slash + 1))
            keys_[folded.substr(0, slash)];
        return keys_[folded];
    }
    void putString(const std::wstring& path, const std::wstring& name, const std::wstring& text) {
        put(path, name, uint32_t(RegistryType::String), RegistryStringBytes(text));
    }
    void put(const std::wstring& path, const std::wstring& name, uint32_t type, std::vector<uint8_t> data) {
        Key& k = ensureKey(path);
        if (RegistryValue* existing = k.find(name)) {
            existing->type = type;
            existing->data = std::move(data);
        } else {
            k.values.push_back(RegistryValue{name, type, std::move(data)});
        }
    }
    std::size_t keyCount() const { return keys_.size(); }

    // Failure switches.
    bool failWrites = false;                  // every value write and delete fails
    bool failDeletes = false;                 // deleteKeyTree fails
    std::set<std::wstring> unopenableKeys;    // folded paths that can't be opened or created
    std::set<std::wstring> readOnlyKeys;      // folded paths the user may read but not change
    int opens = 0;                            // keys opened so far

private:
    std::map<std::wstring, Key> keys_;
};

class FakeRegistryKey : public RegistryKey {
public:
    FakeRegistryKey(FakeRegistry& registry, std::wstring path, bool readOnly)
        : registry_(registry), path_(std::move(path)), readOnly_(readOnly) {}

    std::vector<std::wstring> valueNames() override {
        std::vector<std::wstring> names;
        for (const RegistryValue& v : values()) names.push_back(v.name);
        return names;
    }
    std::vector<RegistryValue> values() override {
        FakeRegistry::Key* k = registry_.key(path_);
        return k ? k->values : std::vector<RegistryValue>{};
    }
    bool hasValue(const std::wstring& name) override { return readValue(name).has_value(); }
    std::optional<RegistryValue> readValue(const std::wstring& name) override {
        FakeRegistry::Key* k = registry_.key(path_);
        RegistryValue* v = k ? k->find(name) : nullptr;
        if (!v) return std::nullopt;
        return *v;
    }
    std::optional<std::wstring> readString(const std::wstring& name) override {
        const auto v = readValue(name);
        if (!v || (v->type != uint32_t(RegistryType::String) && v->type != uint32_t(RegistryType::ExpandString)))
            return std::nullopt;
        return RegistryStringFromBytes(v->data);
    }
    bool writeString(const std::wstring& name, const std::wstring& text) override {
        return write(name, uint32_t(RegistryType::String), RegistryStringBytes(text));
    }
    bool writeBinary(const std::wstring& name, const std::vector<uint8_t>& data) override {
        return write(name, uint32_t(RegistryType::Binary), data);
    }
    bool deleteValue(const std::wstring& name) override {
        FakeRegistry::Key* k = registry_.key(path_);
        if (registry_.failWrites || readOnly_ || !k) return false;
        const auto it = std::find_if(k->values.begin(), k->values.end(),
                                     [&](const RegistryValue& v) { return FoldCase(v.name) == FoldCase(name); });
        if (it == k->values.end()) return false;
        k->values.erase(it);
        return true;
    }

private:
    bool write(const std::wstring& name, uint32_t type, std::vector<uint8_t> data) {
        // A key deleted while open can't take values any more.
        if (registry_.failWrites || readOnly_ || !registry_.key(path_)) return false;
        registry_.put(path_, name, type, std::move(data));
        return true;
    }

    FakeRegistry& registry_;
    std::wstring path_;
    bool readOnly_;
};

inline std::unique_ptr<RegistryKey> FakeRegistry::openKey(const std::wstring& path, bool create) {
    const std::wstring folded = FoldCase(path);
    if (unopenableKeys.count(folded) || readOnlyKeys.count(folded)) return nullptr;
    if (!keyExists(path)) {
        if (!create) return nullptr;
        ensureKey(path);
    }
    ++opens;
    return std::make_unique<FakeRegistryKey>(*this, path, /*readOnly=*/false);
}

inline std::unique_ptr<RegistryKey> FakeRegistry::openKeyForReading(const std::wstring& path) {
    if (unopenableKeys.count(FoldCase(path)) || !keyExists(path)) return nullptr;
    ++opens;
    return std::make_unique<FakeRegistryKey>(*this, path, /*readOnly=*/true);
}

}  // namespace orbilux::test
