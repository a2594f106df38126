#include "desktop/win32/shell_view_win32.h"

#include <windows.h>

#include <exdisp.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cstdio>
#include <string>

using Microsoft::WRL::ComPtr;

namespace orbilux::win32 {

namespace {

// Throws ShellViewUnavailable, naming the call and its result, when it failed.
void Check(HRESULT result, const char* what) {
    if (SUCCEEDED(result)) return;
    char text[96];
    std::snprintf(text, sizeof text, "the desktop's shell view failed at %s (0x%08lX)", what,
                  static_cast<unsigned long>(result));
    throw ShellViewUnavailable(text);
}

struct ItemIdFree {
    void operator()(ITEMIDLIST* id) const { CoTaskMemFree(id); }
};
using UniqueItemId = std::unique_ptr<ITEMIDLIST, ItemIdFree>;

class Win32ShellIconView : public ShellIconView {
public:
    explicit Win32ShellIconView(ComPtr<IFolderView2> view) : view_(std::move(view)) {}

    std::vector<std::wstring> itemNames() override {
        loadItems();
        ComPtr<IShellFolder> folder;
        Check(view_->GetFolder(IID_PPV_ARGS(&folder)), "GetFolder");
        std::vector<std::wstring> names;
        names.reserve(items_.size());
        for (const UniqueItemId& id : items_) {
            STRRET name{};
            Check(folder->GetDisplayNameOf(id.get(), SHGDN_NORMAL, &name), "GetDisplayNameOf");
            wchar_t* text = nullptr;
            Check(StrRetToStrW(&name, id.get(), &text), "StrRetToStrW");
            names.emplace_back(text ? text : L"");
            CoTaskMemFree(text);
        }
        return names;
    }

    void positionItems(const std::vector<ModelPosition>& positions) override {
        std::vector<PCUITEMID_CHILD> ids;
        std::vector<POINT> points;
        ids.reserve(positions.size());
        points.reserve(positions.size());
        for (const ModelPosition& position : positions) {
            ids.push_back(item(position.item));
            points.push_back({position.x, position.y});
        }
        // Positioning alone: the user's selection stays as it is.
        Check(
            view_->SelectAndPositionItems(static_cast<UINT>(ids.size()), ids.data(), points.data(), SVSI_POSITIONITEM),
            "SelectAndPositionItems");
    }

    std::vector<ModelPosition> itemPositions(const std::vector<std::size_t>& which) override {
        std::vector<ModelPosition> positions;
        positions.reserve(which.size());
        for (const std::size_t index : which) {
            POINT point{};
            Check(view_->GetItemPosition(item(index), &point), "GetItemPosition");
            positions.push_back({index, point.x, point.y});
        }
        return positions;
    }

    ShellFolderFlags folderFlags() override {
        FOLDERFLAGS flags{};
        Check(view_->GetCurrentFolderFlags(reinterpret_cast<DWORD*>(&flags)), "GetCurrentFolderFlags");
        return {(flags & FWF_AUTOARRANGE) != 0, (flags & FWF_SNAPTOGRID) != 0};
    }

private:
    // The view's items, enumerated once for this view's life: the ids that
    // the names were read for are the ids positioned.
    void loadItems() {
        items_.clear();
        ComPtr<IEnumIDList> all;
        Check(view_->Items(SVGIO_ALLVIEW, IID_PPV_ARGS(&all)), "Items");
        // Many ids per call: each call may cross into the shell's process.
        constexpr ULONG Batch = 256;
        ITEMIDLIST* ids[Batch] = {};
        for (;;) {
            ULONG fetched = 0;
            const HRESULT result = all->Next(Batch, ids, &fetched);
            Check(result, "IEnumIDList::Next");
            for (ULONG i = 0; i < fetched && i < Batch; ++i) items_.emplace_back(ids[i]);
            if (result != S_OK || fetched == 0) break;
        }
    }

    PCUITEMID_CHILD item(std::size_t index) const {
        if (index >= items_.size()) throw ShellViewUnavailable("the desktop's shell view has no such item");
        return items_[index].get();
    }

    ComPtr<IFolderView2> view_;
    std::vector<UniqueItemId> items_;
};

}  // namespace

std::unique_ptr<ShellIconView> Win32ShellIconModel::open() {
    ComPtr<IShellWindows> windows;
    Check(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&windows)), "CoCreateInstance");

    VARIANT desktop{};
    V_VT(&desktop) = VT_I4;
    V_I4(&desktop) = CSIDL_DESKTOP;
    VARIANT noRoot{};
    VariantInit(&noRoot);
    long window = 0;
    ComPtr<IDispatch> browserObject;
    const HRESULT found =
        windows->FindWindowSW(&desktop, &noRoot, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &browserObject);
    Check(found, "FindWindowSW");
    // S_FALSE: no desktop window is registered.
    if (found != S_OK || !browserObject) throw ShellViewUnavailable("no desktop among the shell's windows");

    ComPtr<IServiceProvider> services;
    Check(browserObject.As(&services), "IServiceProvider");
    ComPtr<IShellBrowser> browser;
    Check(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&browser)), "QueryService");
    ComPtr<IShellView> view;
    Check(browser->QueryActiveShellView(&view), "QueryActiveShellView");
    if (!view) throw ShellViewUnavailable("the desktop has no active view");
    ComPtr<IFolderView2> folderView;
    Check(view.As(&folderView), "IFolderView2");
    return std::make_unique<Win32ShellIconView>(std::move(folderView));
}

}  // namespace orbilux::win32
