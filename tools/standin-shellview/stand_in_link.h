// The DLL's line to the stand-in desktop process: every call of the shell
// view becomes a command on the stand-in's "Progman" window (WM_COPYDATA,
// see tools/standin-desktop/standin_protocol.h), and what the stand-in
// answers comes back in a block of shared memory the DLL names.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tools/standin-desktop/standin_protocol.h"

namespace orbilux::shellview {

// RPC_E_DISCONNECTED: what a caller of a shell that has gone away gets.
constexpr HRESULT StandInGone = HRESULT(0x80010108L);

struct ModelEntry {
    int index = 0;
    POINT position{};
    std::wstring name;
};

struct ModelSnapshot {
    int count = 0;
    DWORD flags = 0;  // FWF_*
    POINT spacing{};
    std::vector<ModelEntry> items;  // those asked for
};

class StandInLink {
public:
    // The stand-in desktop that runs with its icon model, or null when there
    // is none (or it keeps no model).
    static std::shared_ptr<const StandInLink> Find();

    HWND progman() const { return progman_; }
    HWND defView() const;

    // Reads the model's header and the `count` items from `first`.
    HRESULT read(int first, int count, ModelSnapshot& snapshot) const;
    HRESULT place(const std::vector<standin::ModelPosition>& positions) const;
    HRESULT refresh() const;

private:
    explicit StandInLink(HWND progman) : progman_(progman) {}
    bool send(uintptr_t command, const void* data, DWORD size) const;

    HWND progman_;
};

// Parses a model file; false when it isn't one.
bool ParseModel(const std::string& text, ModelSnapshot& snapshot);

}  // namespace orbilux::shellview
