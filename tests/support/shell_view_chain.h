// The desktop's shell view as a program reaches it: CoCreateInstance of
// ShellWindows, FindWindowSW(SWC_DESKTOP), the top-level browser's active
// view as IFolderView2. For the Wine stories and benchmarks that run
// against standin-shellview.dll (see shell_view_registration.h).
#pragma once

#include <windows.h>

#include <exdisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <vector>

namespace orbilux::test {

using Microsoft::WRL::ComPtr;

// A single-threaded COM apartment for the current thread.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

// The desktop's browser, or S_FALSE and none.
inline HRESULT FindDesktop(ComPtr<IDispatch>& browser) {
    ComPtr<IShellWindows> windows;
    HRESULT result = CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&windows));
    if (FAILED(result)) return result;
    VARIANT location{}, root{};
    location.vt = VT_I4;
    location.lVal = CSIDL_DESKTOP;
    VariantInit(&root);
    LONG window = 0;
    return windows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &browser);
}

// The desktop's view, or null when any step fails.
inline ComPtr<IFolderView2> DesktopView() {
    ComPtr<IDispatch> browser;
    FindDesktop(browser);
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> shellBrowser;
    ComPtr<IShellView> view;
    ComPtr<IFolderView2> folderView;
    if (browser && SUCCEEDED(browser.As(&services)) &&
        SUCCEEDED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&shellBrowser))) &&
        SUCCEEDED(shellBrowser->QueryActiveShellView(&view)))
        view.As(&folderView);
    return folderView;
}

// The view's items by index (SVGIO_ALLVIEW), freed when it goes.
class ItemIds {
public:
    explicit ItemIds(IFolderView2& view) {
        ComPtr<IEnumIDList> items;
        view.Items(SVGIO_ALLVIEW, IID_PPV_ARGS(&items));
        LPITEMIDLIST id = nullptr;
        while (items && items->Next(1, &id, nullptr) == S_OK) ids_.push_back(id);
    }
    ~ItemIds() {
        for (LPITEMIDLIST id : ids_) CoTaskMemFree(id);
    }
    ItemIds(const ItemIds&) = delete;
    ItemIds& operator=(const ItemIds&) = delete;
    std::size_t size() const { return ids_.size(); }
    LPCITEMIDLIST operator[](std::size_t i) const { return ids_[i]; }
    LPCITEMIDLIST* data() { return const_cast<LPCITEMIDLIST*>(ids_.data()); }

private:
    std::vector<LPITEMIDLIST> ids_;
};

}  // namespace orbilux::test
