// In-memory profile files that behave like the system's profile functions
// in the ways the settings rely on: file paths, section and key names match
// without regard to case; reading strips surrounding blanks and one pair of
// surrounding quotes and falls back when the file, section or key is
// missing; writing replaces a key in place (keeping its position and
// spelling) or appends it, and leaves every other key alone. Writes can be
// made to fail per file or per key, and every successful write is logged.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/profile_port.h"
#include "tests/support/fake_registry.h"  // FoldCase

namespace orbilux::test {

class FakeProfile : public ProfilePort {
public:
    struct Entry {
        std::wstring key;
        std::wstring value;  // as written, before any read-time trimming
    };
    struct Section {
        std::wstring name;
        std::vector<Entry> entries;
    };
    struct File {
        std::wstring path;
        std::vector<Section> sections;
    };
    struct Write {
        std::wstring file, section, key, value;
    };

    std::wstring readString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                            const std::wstring& fallback) override {
        const auto value = raw(file, section, key);
        return value ? Unquote(*value) : fallback;
    }

    bool writeString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        if (unwritableFiles.count(FoldCase(file)) || failingKeys.count(FoldCase(key))) return false;
        put(file, section, key, value);
        writes.push_back({file, section, key, value});
        return true;
    }

    // Direct access for arranging and checking test state.
    std::optional<std::wstring> raw(const std::wstring& file, const std::wstring& section,
                                    const std::wstring& key) const {
        const File* f = findFile(file);
        const Section* s = f ? findSection(*f, section) : nullptr;
        if (!s) return std::nullopt;
        for (const Entry& e : s->entries)
            if (FoldCase(e.key) == FoldCase(key)) return e.value;
        return std::nullopt;
    }
    void put(const std::wstring& file, const std::wstring& section, const std::wstring& key,
             const std::wstring& value) {
        File* f = Find(files_, file, &File::path);
        if (!f) {
            files_.push_back({file, {}});
            f = &files_.back();
        }
        Section* s = Find(f->sections, section, &Section::name);
        if (!s) {
            f->sections.push_back({section, {}});
            s = &f->sections.back();
        }
        for (Entry& e : s->entries)
            if (FoldCase(e.key) == FoldCase(key)) {
                e.value = value;
                return;
            }
        s->entries.push_back({key, value});
    }
    bool exists(const std::wstring& file) const { return findFile(file) != nullptr; }
    const File* file(const std::wstring& path) const { return findFile(path); }

    // Failure switches (folded names).
    std::set<std::wstring> unwritableFiles;  // every write to these fails
    std::set<std::wstring> failingKeys;      // writes of these key names fail, in any section
    std::vector<Write> writes;               // the successful writes, in order

private:
    static bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
    static std::wstring Unquote(const std::wstring& value) {
        std::size_t begin = 0, end = value.size();
        while (begin < end && IsBlank(value[begin])) ++begin;
        while (end > begin && IsBlank(value[end - 1])) --end;
        if (end - begin >= 2 && (value[begin] == L'"' || value[begin] == L'\'') && value[end - 1] == value[begin]) {
            ++begin;
            --end;
        }
        return value.substr(begin, end - begin);
    }
    // The element of `items` whose `name` member matches `wanted` without case.
    template <typename Items, typename Item>
    static auto Find(Items& items, const std::wstring& wanted, std::wstring Item::*name) -> decltype(&items[0]) {
        for (auto& item : items)
            if (FoldCase(item.*name) == FoldCase(wanted)) return &item;
        return nullptr;
    }
    const File* findFile(const std::wstring& path) const { return Find(files_, path, &File::path); }
    static const Section* findSection(const File& f, const std::wstring& name) {
        return Find(f.sections, name, &Section::name);
    }

    std::vector<File> files_;
};

}  // namespace orbilux::test
