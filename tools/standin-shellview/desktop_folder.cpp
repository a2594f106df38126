// The desktop folder of the stand-in's shell view: names its items
// (GetDisplayNameOf) and lists them (EnumObjects); nothing else.
#include <shlobj.h>

#include <cstring>

#include "tools/standin-shellview/com_base.h"
#include "tools/standin-shellview/item_ids.h"
#include "tools/standin-shellview/shell_objects.h"

namespace orbilux::shellview {

namespace {

class DesktopFolder final : public IShellFolder, public RefCounted {
public:
    explicit DesktopFolder(Link link) : link_(std::move(link)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IShellFolder) return E_NOINTERFACE;
        *ppv = static_cast<IShellFolder*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return release(); }

    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, LPITEMIDLIST*, ULONG*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList** items) override {
        if (!items) return E_POINTER;
        *items = nullptr;
        return Guarded([&] {
            ModelSnapshot model;
            const HRESULT read = link_->read(0, 0, model);
            if (FAILED(read)) return read;
            return NewItemEnumerator(model.count, IID_IEnumIDList, reinterpret_cast<void**>(items));
        });
    }
    HRESULT STDMETHODCALLTYPE BindToObject(LPCITEMIDLIST, IBindCtx*, REFIID, void** ppv) override {
        if (ppv) *ppv = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE BindToStorage(LPCITEMIDLIST, IBindCtx*, REFIID, void** ppv) override {
        if (ppv) *ppv = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void** ppv) override {
        if (ppv) *ppv = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, LPCITEMIDLIST*, REFIID, UINT*, void** ppv) override {
        if (ppv) *ppv = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(LPCITEMIDLIST id, SHGDNF, STRRET* name) override {
        if (!name) return E_POINTER;
        name->uType = STRRET_CSTR;
        name->cStr[0] = '\0';
        const std::optional<int> index = ItemIndex(id);
        if (!index) return E_INVALIDARG;
        return Guarded([&] {
            ModelSnapshot model;
            const HRESULT read = link_->read(*index, 1, model);
            if (FAILED(read)) return read;
            if (model.items.size() != 1 || model.items[0].index != *index) return E_INVALIDARG;
            const std::wstring& text = model.items[0].name;
            auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
            if (!copy) return E_OUTOFMEMORY;
            std::memcpy(copy, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
            name->uType = STRRET_WSTR;
            name->pOleStr = copy;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, LPCITEMIDLIST, LPCWSTR, SHGDNF, LPITEMIDLIST* out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }

private:
    const Link link_;
};

}  // namespace

HRESULT NewDesktopFolder(Link link, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    return Guarded([&] { return HandOut(new DesktopFolder(std::move(link)), riid, ppv); });
}

}  // namespace orbilux::shellview
