// A registry wrapper that counts what was changed through it (keys opened
// with create, values written, values deleted), to check that an operation
// left the registry alone rather than only that the end state looks right;
// it also counts every call, for the benchmarks.
#pragma once

#include <memory>

#include "platform/registry_port.h"

namespace orbilux::test {

class RecordingRegistry : public RegistryPort {
public:
    explicit RecordingRegistry(RegistryPort& inner) : inner_(inner) {}

    int creatingOpens = 0;
    int valueWrites = 0;
    int valueDeletes = 0;
    int opens = 0;  // every openKey, creating or not
    int reads = 0;  // value reads, lookups and enumerations
    int changes() const { return creatingOpens + valueWrites + valueDeletes; }
    int calls() const { return opens + reads + valueWrites + valueDeletes; }

    std::unique_ptr<RegistryKey> openKey(const std::wstring& path, bool create) override {
        ++opens;
        if (create) ++creatingOpens;
        auto key = inner_.openKey(path, create);
        return key ? std::make_unique<Key>(*this, std::move(key)) : nullptr;
    }
    std::unique_ptr<RegistryKey> openKeyForReading(const std::wstring& path) override {
        ++opens;
        auto key = inner_.openKeyForReading(path);
        return key ? std::make_unique<Key>(*this, std::move(key)) : nullptr;
    }
    bool keyExists(const std::wstring& path) override { return inner_.keyExists(path); }
    bool deleteKeyTree(const std::wstring& path) override {
        ++valueDeletes;
        return inner_.deleteKeyTree(path);
    }

private:
    class Key : public RegistryKey {
    public:
        Key(RecordingRegistry& owner, std::unique_ptr<RegistryKey> inner) : owner_(owner), inner_(std::move(inner)) {}
        std::vector<std::wstring> valueNames() override {
            ++owner_.reads;
            return inner_->valueNames();
        }
        std::vector<RegistryValue> values() override {
            ++owner_.reads;
            return inner_->values();
        }
        bool hasValue(const std::wstring& name) override {
            ++owner_.reads;
            return inner_->hasValue(name);
        }
        std::optional<RegistryValue> readValue(const std::wstring& name) override {
            ++owner_.reads;
            return inner_->readValue(name);
        }
        std::optional<std::wstring> readString(const std::wstring& name) override {
            ++owner_.reads;
            return inner_->readString(name);
        }
        bool writeString(const std::wstring& name, const std::wstring& text) override {
            ++owner_.valueWrites;
            return inner_->writeString(name, text);
        }
        bool writeBinary(const std::wstring& name, const std::vector<uint8_t>& data) override {
            ++owner_.valueWrites;
            return inner_->writeBinary(name, data);
        }
        bool deleteValue(const std::wstring& name) override {
            ++owner_.valueDeletes;
            return inner_->deleteValue(name);
        }

    private:
        RecordingRegistry& owner_;
        std::unique_ptr<RegistryKey> inner_;
    };

    RegistryPort& inner_;
};

}  // namespace orbilux::test
