// The stand-in's icon model (--modern-shell): one position per item, by
// index, kept beside the list view as the shell has kept its own since
// Windows 10 1809. Positions set through the model move the icon in both;
// the list view alone forgets its positions at the next refresh, which lays
// every icon out again from the model. The caller keeps these calls from
// counting as messages sent by other programs.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "tools/standin-desktop/standin_protocol.h"

namespace orbilux::standin {

class IconModel {
public:
    // Takes the list view's layout as the model's (once it has laid out).
    void capture(HWND listView);
    // Moves the icons in the model and the list view; moves nothing and
    // returns false when an index is out of range.
    bool place(HWND listView, const ModelPosition* positions, std::size_t count);
    // Lays every icon out again from the model, as the shell's refresh does.
    void relayout(HWND listView);
    const std::vector<POINT>& positions() const { return positions_; }
    // The "model" lines of the report.
    std::string reportLines() const;
    // The model file for `range` (see standin_protocol.h); `flags` are the
    // folder flags the shell view reports.
    std::string fileText(HWND listView, ModelRange range, DWORD flags) const;

private:
    // An arranging list view puts the icons where it likes: the shell then
    // keeps that arrangement, so the model follows the list view.
    void followArrangement(HWND listView);

    std::vector<POINT> positions_;
};

}  // namespace orbilux::standin
