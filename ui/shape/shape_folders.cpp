#include "ui/shape/shape_folders.h"

#include <cwctype>

namespace orbilux::ui {

namespace {

// A deeper tree is taken for a loop (a junction pointing back up) rather
// than a shape library.
constexpr int MaxDepth = 32;
constexpr std::size_t MaxGroups = 10000;

void ScanFolder(FileSystem& files, const std::wstring& folder, int depth, std::vector<std::wstring>& groups) {
    if (depth > MaxDepth) return;
    std::vector<std::wstring> found;
    for (const DirectoryEntry& entry : files.listDirectory(folder, L"*")) {
        if (!(entry.attributes & file_attributes::Directory)) continue;
        if (entry.attributes & (file_attributes::Hidden | file_attributes::System)) continue;
        if (entry.name == L"." || entry.name == L"..") continue;
        if (groups.size() >= MaxGroups) return;
        groups.push_back(folder + L"\\" + entry.name);
        found.push_back(groups.back());
    }
    for (const std::wstring& sub : found) ScanFolder(files, sub, depth + 1, groups);
}

}  // namespace

std::vector<std::wstring> ScanGroupFolders(FileSystem& files, const std::wstring& root) {
    std::vector<std::wstring> groups;
    ScanFolder(files, root, 0, groups);
    return groups;
}

std::vector<std::wstring> ListShapeFiles(FileSystem& files, const std::wstring& folder) {
    std::vector<std::wstring> paths;
    for (const DirectoryEntry& entry : files.listDirectory(folder, L"*.shp"))
        if (entry.attributes != file_attributes::Directory) paths.push_back(folder + L"\\" + entry.name);
    return paths;
}

std::wstring ShapeListLine(const std::wstring& path) {
    std::wstring name = LastPathComponent(path);
    if (const std::size_t at = name.find(L".shp"); at != std::wstring::npos) name.erase(at, 4);
    return name;
}

std::wstring LastPathComponent(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool SamePathIgnoringCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
    return true;
}

}  // namespace orbilux::ui
