// Where things are, for tests: a documents folder that may or may not
// resolve, a program path, and a record of the folders asked for.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/system_locations.h"
#include "tests/support/fake_registry.h"  // FoldCase

namespace orbilux::test {

class FakeLocations : public SystemLocations {
public:
    std::optional<std::wstring> documentsFolder() override { return documents; }
    std::wstring programPath() override { return program; }
    bool ensureFolder(const std::wstring& path) override {
        ensured.push_back(path);
        if (failCreate) return folders.count(FoldCase(path)) != 0;
        folders.insert(FoldCase(path));
        return true;
    }

    std::optional<std::wstring> documents = std::wstring(L"C:\\Users\\ann\\Documents");
    std::wstring program = L"C:\\Program Files\\Orbilux\\Orbilux.exe";
    bool failCreate = false;            // folders can't be created
    std::set<std::wstring> folders;     // folded paths of folders that exist
    std::vector<std::wstring> ensured;  // every ensureFolder call, in order
};

}  // namespace orbilux::test
