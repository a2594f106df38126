#include "tools/standin-desktop/shell_view_registration.h"

#include "platform/text.h"
#include "platform/win32/unique_handle.h"
#include "tools/standin-shellview/shell_view_ids.h"

namespace orbilux::standin {

namespace {

const std::wstring TreatAsKey = std::wstring(L"CLSID\\") + ShellWindowsClassIdText + L"\\TreatAs";
const std::wstring OurClassKey = std::wstring(L"CLSID\\") + ShellViewClassIdText;

void WriteString(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY opened = nullptr;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
    win32::UniqueRegKey owner(opened);
    if (status == ERROR_SUCCESS)
        status = RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                DWORD((value.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS)
        throw StandInError("cannot write HKEY_CLASSES_ROOT\\" + Utf8FromWide(key) + " (error " +
                           std::to_string(status) + ")");
}

std::optional<std::wstring> ReadDefault(const std::wstring& key) {
    wchar_t value[256];
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    // Ours, left by a run that ended before it could clean up, is not worth
    // putting back.
    if (std::wstring(value) == ShellViewClassIdText) return std::nullopt;
    return std::wstring(value);
}

}  // namespace

ShellViewRegistration::ShellViewRegistration(const std::wstring& folder) : previousTreatAs_(ReadDefault(TreatAsKey)) {
    try {
        const std::wstring server = OurClassKey + L"\\InprocServer32";
        WriteString(server, nullptr, folder + ShellViewDllName);
        // Both: callers in either apartment get the objects themselves, not
        // Wine's proxies (through which the view shows no items).
        WriteString(server, L"ThreadingModel", L"Both");
        WriteString(TreatAsKey, nullptr, ShellViewClassIdText);
    } catch (...) {
        undo();
        throw;
    }
}

ShellViewRegistration::~ShellViewRegistration() {
    undo();
}

void ShellViewRegistration::undo() noexcept {
    if (previousTreatAs_) {
        try {
            WriteString(TreatAsKey, nullptr, *previousTreatAs_);
        } catch (...) {
        }
    } else {
        RegDeleteKeyW(HKEY_CLASSES_ROOT, TreatAsKey.c_str());
    }
    RegDeleteTreeW(HKEY_CLASSES_ROOT, OurClassKey.c_str());
}

}  // namespace orbilux::standin
