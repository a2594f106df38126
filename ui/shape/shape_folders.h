// The shape library as folders: every sub-folder of the Shapes folder, at
// any depth, is a group, and its "*.shp" files are its shapes. Nothing is
// sorted: the file system's own order is kept.
#pragma once

#include <string>
#include <vector>

#include "ui/main/main_ports.h"

namespace orbilux::ui {

// Every sub-folder below `root` (not `root` itself), a folder's direct
// sub-folders together, then those of the first of them (recursively), of
// the second, and so on. Hidden and system folders are skipped, and with
// them everything below them.
std::vector<std::wstring> ScanGroupFolders(FileSystem& files, const std::wstring& root);

// The full paths of a folder's "*.shp" entries, hidden and system files
// included, leaving out entries that are plain folders.
std::vector<std::wstring> ListShapeFiles(FileSystem& files, const std::wstring& folder);

// What the shape list shows for a file: its name without the first ".shp"
// (matched with case, removed once).
std::wstring ShapeListLine(const std::wstring& path);

// The last component of a path, and everything before its last delimiter.
std::wstring LastPathComponent(const std::wstring& path);
std::wstring FolderOf(const std::wstring& path);

// Whether two paths name the same file, ignoring letter case.
bool SamePathIgnoringCase(const std::wstring& a, const std::wstring& b);

}  // namespace orbilux::ui
