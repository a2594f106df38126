#include "desktop/win32/list_view_finder.h"

#include <cwchar>

namespace orbilux::win32 {

namespace {

constexpr wchar_t ListViewClass[] = L"SysListView32";
constexpr wchar_t DesktopViewClass[] = L"SHELLDLL_DefView";

// FindWindowExW with a null parent searches the top-level windows, so every
// step that found nothing must stop the lookup instead of passing null on.
HWND FirstChild(HWND parent, const wchar_t* className = nullptr) {
    return parent ? FindWindowExW(parent, nullptr, className, nullptr) : nullptr;
}

HWND ListViewUnderDesktopView(HWND host) {
    HWND listView = FirstChild(FirstChild(host, DesktopViewClass), ListViewClass);
    return HasWindowClass(listView, ListViewClass) ? listView : nullptr;
}

}  // namespace

bool HasWindowClass(HWND window, const wchar_t* className) {
    if (!window) return false;
    wchar_t name[64] = {};
    return GetClassNameW(window, name, 64) > 0 && std::wcscmp(name, className) == 0;
}

HWND FindDesktopListView() {
    const HWND progman = FindWindowW(L"Progman", nullptr);
    const HWND usual = FirstChild(FirstChild(progman));
    if (HasWindowClass(usual, ListViewClass)) return usual;

    if (HWND listView = ListViewUnderDesktopView(progman)) return listView;
    for (HWND worker = FindWindowExW(nullptr, nullptr, L"WorkerW", nullptr); worker;
         worker = FindWindowExW(nullptr, worker, L"WorkerW", nullptr)) {
        if (HWND listView = ListViewUnderDesktopView(worker)) return listView;
    }
    return nullptr;
}

}  // namespace orbilux::win32
