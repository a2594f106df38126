#include "tools/standin-desktop/icon_model.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "platform/text.h"

namespace orbilux::standin {

namespace {

void MoveListItem(HWND listView, int index, POINT position) {
    SendMessageW(listView, LVM_SETITEMPOSITION32, WPARAM(index), reinterpret_cast<LPARAM>(&position));
}

std::string Line(const char* tag, std::size_t index, POINT position) {
    return std::string(tag) + "\t" + std::to_string(index) + "\t" + std::to_string(position.x) + "\t" +
           std::to_string(position.y);
}

}  // namespace

void IconModel::capture(HWND listView) {
    const int count = std::max(0, ListView_GetItemCount(listView));
    positions_.assign(std::size_t(count), POINT{});
    for (int i = 0; i < count; ++i) ListView_GetItemPosition(listView, i, &positions_[std::size_t(i)]);
}

void IconModel::followArrangement(HWND listView) {
    if (GetWindowLongW(listView, GWL_STYLE) & LVS_AUTOARRANGE) capture(listView);
}

bool IconModel::place(HWND listView, const ModelPosition* positions, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (positions[i].index < 0 || std::size_t(positions[i].index) >= positions_.size()) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const POINT point{positions[i].x, positions[i].y};
        positions_[std::size_t(positions[i].index)] = point;
        MoveListItem(listView, positions[i].index, point);
    }
    followArrangement(listView);
    return true;
}

void IconModel::relayout(HWND listView) {
    for (std::size_t i = 0; i < positions_.size(); ++i) MoveListItem(listView, int(i), positions_[i]);
    followArrangement(listView);
}

std::string IconModel::reportLines() const {
    std::string lines;
    for (std::size_t i = 0; i < positions_.size(); ++i) lines += Line("model", i, positions_[i]) + "\n";
    return lines;
}

std::string IconModel::fileText(HWND listView, ModelRange range, DWORD flags) const {
    const DWORD spacing = DWORD(ListView_GetItemSpacing(listView, FALSE));
    char header[96];
    std::snprintf(header, sizeof header, "count\t%zu\nflags\t%lx\nspacing\t%u\t%u\n", positions_.size(),
                  static_cast<unsigned long>(flags), unsigned(LOWORD(spacing)), unsigned(HIWORD(spacing)));
    std::string text = header;
    const std::size_t first = std::size_t(std::max(0, range.first));
    const std::size_t end = std::min(positions_.size(), first + std::size_t(std::max(0, range.count)));
    std::vector<wchar_t> name(1024);
    for (std::size_t i = first; i < end; ++i) {
        name[0] = L'\0';
        ListView_GetItemText(listView, int(i), 0, name.data(), int(name.size()));
        text += Line("model", i, positions_[i]) + "\t" + Utf8FromWide(name.data()) + "\n";
    }
    return text;
}

}  // namespace orbilux::standin
