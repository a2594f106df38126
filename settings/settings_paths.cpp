#include "settings/settings_paths.h"

namespace orbilux {

namespace {

bool IsDelimiter(wchar_t c) {
    return c == L'\\' || c == L'/';
}

}  // namespace

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    // A documents folder redirected to a drive's root comes back as "D:\":
    // don't double the delimiter.
    if (folder.empty() || IsDelimiter(folder.back())) return folder + name;
    return folder + L"\\" + name;
}

std::wstring ProgramFolder(SystemLocations& locations) {
    const std::wstring program = locations.programPath();
    std::size_t end = program.size();
    while (end > 0 && !IsDelimiter(program[end - 1])) --end;
    return program.substr(0, end);
}

std::wstring SettingsFilePath(SystemLocations& locations) {
    const auto documents = locations.documentsFolder();
    if (documents && !documents->empty()) {
        const std::wstring folder = JoinPath(*documents, L"Orbilux");
        locations.ensureFolder(folder);
        return JoinPath(folder, L"Settings.ini");
    }
    return ProgramFolder(locations) + L"Setting.ini";
}

}  // namespace orbilux
