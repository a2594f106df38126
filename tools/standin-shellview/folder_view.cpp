// The desktop's shell view over the stand-in: IShellView (its window is the
// stand-in's SHELLDLL_DefView) and IFolderView2, whose items, names,
// positions and folder flags are the stand-in's icon model. Moving items
// (SelectAndPositionItems with SVSI_POSITIONITEM) moves them in the model
// and the list view at once, in one command for the whole batch. Every
// call asks the stand-in afresh; nothing is cached between calls.
#include <shlobj.h>

#include "tools/standin-shellview/com_base.h"
#include "tools/standin-shellview/item_ids.h"
#include "tools/standin-shellview/shell_objects.h"

namespace orbilux::shellview {

namespace {

class FolderView final : public IShellView, public IFolderView2, public RefCounted {
public:
    explicit FolderView(Link link) : link_(std::move(link)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IShellView || riid == IID_IOleWindow)
            *ppv = static_cast<IShellView*>(this);
        else if (riid == IID_IFolderView || riid == IID_IFolderView2)
            *ppv = static_cast<IFolderView2*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return release(); }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = link_->defView();
        return *window ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }

    // IShellView
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UIActivate(UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Refresh() override {
        return Guarded([&] { return link_->refresh(); });
    }
    HRESULT STDMETHODCALLTYPE CreateViewWindow(IShellView*, LPCFOLDERSETTINGS, IShellBrowser*, RECT*,
                                               HWND* window) override {
        if (window) *window = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DestroyViewWindow() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCurrentInfo(LPFOLDERSETTINGS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddPropertySheetPages(DWORD, LPFNSVADDPROPSHEETPAGE, LPARAM) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SaveViewState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SelectItem(LPCITEMIDLIST, SVSIF) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetItemObject(UINT, REFIID, void** ppv) override {
        if (ppv) *ppv = nullptr;
        return E_NOTIMPL;
    }

    // IFolderView
    HRESULT STDMETHODCALLTYPE GetCurrentViewMode(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetCurrentViewMode(UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFolder(REFIID riid, void** ppv) override { return NewDesktopFolder(link_, riid, ppv); }
    HRESULT STDMETHODCALLTYPE Item(int index, LPITEMIDLIST* id) override {
        if (!id) return E_POINTER;
        *id = nullptr;
        return Guarded([&] {
            ModelSnapshot model;
            const HRESULT read = link_->read(0, 0, model);
            if (FAILED(read)) return read;
            if (index < 0 || index >= model.count) return E_INVALIDARG;
            *id = NewItemId(index);
            return *id ? S_OK : E_OUTOFMEMORY;
        });
    }
    HRESULT STDMETHODCALLTYPE ItemCount(UINT flags, int* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return Guarded([&] {
            bool all = false;
            const HRESULT kind = ItemsWanted(flags, all);
            if (FAILED(kind) || !all) return kind;
            ModelSnapshot model;
            const HRESULT read = link_->read(0, 0, model);
            if (SUCCEEDED(read)) *count = model.count;
            return read;
        });
    }
    HRESULT STDMETHODCALLTYPE Items(UINT flags, REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        return Guarded([&] {
            bool all = false;
            const HRESULT kind = ItemsWanted(flags, all);
            if (FAILED(kind)) return kind;
            ModelSnapshot model;
            if (all) {
                const HRESULT read = link_->read(0, 0, model);
                if (FAILED(read)) return read;
            }
            return NewItemEnumerator(model.count, riid, ppv);
        });
    }
    HRESULT STDMETHODCALLTYPE GetSelectionMarkedItem(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFocusedItem(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetItemPosition(LPCITEMIDLIST id, POINT* position) override {
        if (!position) return E_POINTER;
        const std::optional<int> index = ItemIndex(id);
        if (!index) return E_INVALIDARG;
        return Guarded([&] {
            ModelSnapshot model;
            const HRESULT read = link_->read(*index, 1, model);
            if (FAILED(read)) return read;
            if (model.items.size() != 1 || model.items[0].index != *index) return E_INVALIDARG;
            *position = model.items[0].position;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE GetSpacing(POINT* spacing) override {
        if (!spacing) return E_POINTER;
        return Guarded([&] {
            ModelSnapshot model;
            const HRESULT read = link_->read(0, 0, model);
            if (SUCCEEDED(read)) *spacing = model.spacing;
            return read;
        });
    }
    HRESULT STDMETHODCALLTYPE GetDefaultSpacing(POINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAutoArrange() override {
        DWORD flags = 0;
        const HRESULT read = GetCurrentFolderFlags(&flags);
        if (FAILED(read)) return read;
        return (flags & FWF_AUTOARRANGE) ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE SelectItem(int, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SelectAndPositionItems(UINT count, LPCITEMIDLIST* ids, POINT* points,
                                                     DWORD flags) override {
        // Selecting alone changes nothing the stand-in keeps.
        if (!(flags & SVSI_POSITIONITEM) || count == 0) return S_OK;
        if (!ids || !points) return E_INVALIDARG;
        return Guarded([&] {
            std::vector<standin::ModelPosition> positions;
            positions.reserve(count);
            for (UINT i = 0; i < count; ++i) {
                const std::optional<int> index = ItemIndex(ids[i]);
                if (!index) return E_INVALIDARG;
                positions.push_back({*index, points[i].x, points[i].y});
            }
            return link_->place(positions);
        });
    }

    // IFolderView2
    HRESULT STDMETHODCALLTYPE SetGroupBy(REFPROPERTYKEY, WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetGroupBy(PROPERTYKEY*, WINBOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetViewProperty(LPCITEMIDLIST, REFPROPERTYKEY, REFPROPVARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetViewProperty(LPCITEMIDLIST, REFPROPERTYKEY, PROPVARIANT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetTileViewProperties(LPCITEMIDLIST, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetExtendedTileViewProperties(LPCITEMIDLIST, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetText(FVTEXTTYPE, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetCurrentFolderFlags(DWORD, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCurrentFolderFlags(DWORD* flags) override {
        if (!flags) return E_POINTER;
        *flags = 0;
        return Guarded([&] {
            ModelSnapshot model;
            const HRESULT read = link_->read(0, 0, model);
            if (SUCCEEDED(read)) *flags = model.flags;
            return read;
        });
    }
    HRESULT STDMETHODCALLTYPE GetSortColumnCount(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSortColumns(const SORTCOLUMN*, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSortColumns(SORTCOLUMN*, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetItem(int, REFIID, void** ppv) override {
        if (ppv) *ppv = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetVisibleItem(int, WINBOOL, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSelectedItem(int, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSelection(WINBOOL, IShellItemArray** items) override {
        if (items) *items = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetSelectionState(LPCITEMIDLIST, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InvokeVerbOnSelection(LPCSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetViewModeAndIconSize(FOLDERVIEWMODE, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetViewModeAndIconSize(FOLDERVIEWMODE*, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetGroupSubsetCount(UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetGroupSubsetCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetRedraw(WINBOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE IsMoveInSameFolder() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DoRename() override { return E_NOTIMPL; }

private:
    // All items, or a selection (the stand-in selects nothing, so that is
    // empty); anything else is not ours to answer.
    static HRESULT ItemsWanted(UINT flags, bool& all) {
        switch (flags & SVGIO_TYPE_MASK) {
            case SVGIO_ALLVIEW:
                all = true;
                return S_OK;
            case SVGIO_SELECTION:
            case SVGIO_CHECKED:
                all = false;
                return S_OK;
            default:
                return E_INVALIDARG;
        }
    }

    const Link link_;
};

}  // namespace

HRESULT NewFolderView(Link link, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    return Guarded([&] { return HandOut(new FolderView(std::move(link)), riid, ppv); });
}

}  // namespace orbilux::shellview
