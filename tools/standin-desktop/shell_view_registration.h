// Points the shell's ShellWindows class at standin-shellview.dll for as long
// as it lives, so that an unchanged CoCreateInstance(CLSID_ShellWindows,
// CLSCTX_ALL) in any process of the Wine prefix loads the stand-in's shell
// view. Wine reads the TreatAs key from HKEY_CLASSES_ROOT only (HKCU is
// ignored), so this belongs in the tests' throwaway prefix, never on a real
// machine.
#pragma once

#include <optional>
#include <string>

#include "tools/standin-desktop/standin_client.h"

namespace orbilux::standin {

class ShellViewRegistration {
public:
    // Registers `folder` (with a trailing backslash) + standin-shellview.dll
    // with ThreadingModel Both, and TreatAs from ShellWindows to it. Throws
    // StandInError when a key can't be written (and leaves nothing behind).
    explicit ShellViewRegistration(const std::wstring& folder);
    // Deletes our class and the TreatAs key (or puts back a TreatAs that was
    // there before), so Wine's own desktop view answers again.
    ~ShellViewRegistration();
    ShellViewRegistration(const ShellViewRegistration&) = delete;
    ShellViewRegistration& operator=(const ShellViewRegistration&) = delete;

private:
    void undo() noexcept;

    std::optional<std::wstring> previousTreatAs_;
};

}  // namespace orbilux::standin
