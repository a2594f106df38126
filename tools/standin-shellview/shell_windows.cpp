// The ShellWindows object that CoCreateInstance(CLSID_ShellWindows) makes
// once TreatAs points at this DLL. Only FindWindowSW(SWC_DESKTOP) does
// anything: it finds the stand-in desktop that keeps an icon model and
// hands out its browser, or answers S_FALSE with no object when there is
// none, as the shell does when it has no such window.
#include <exdisp.h>
#include <shlobj.h>

#include "tools/standin-shellview/com_base.h"
#include "tools/standin-shellview/shell_objects.h"

namespace orbilux::shellview {

namespace {

class ShellWindows final : public IShellWindows, public RefCounted {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch && riid != IID_IShellWindows) return E_NOINTERFACE;
        *ppv = static_cast<IShellWindows*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return release(); }

    // IDispatch: nothing scriptable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IShellWindows
    HRESULT STDMETHODCALLTYPE get_Count(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Item(VARIANT, IDispatch** folder) override {
        if (folder) *folder = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE _NewEnum(IUnknown** items) override {
        if (items) *items = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Register(IDispatch*, LONG, int, LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RegisterPending(LONG, VARIANT*, VARIANT*, int, LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Revoke(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnNavigate(LONG, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnActivated(LONG, VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindWindowSW(VARIANT*, VARIANT*, int windowClass, LONG* window, int options,
                                           IDispatch** found) override {
        if (found) *found = nullptr;
        if (window) *window = 0;
        if ((options & SWFO_NEEDDISPATCH) && !found) return E_POINTER;
        if (windowClass != SWC_DESKTOP) return S_FALSE;
        return Guarded([&] {
            Link link = StandInLink::Find();
            if (!link) return S_FALSE;
            if (window) *window = LONG(reinterpret_cast<LONG_PTR>(link->progman()));
            if (!(options & SWFO_NEEDDISPATCH)) return S_OK;
            return NewBrowser(std::move(link), IID_IDispatch, reinterpret_cast<void**>(found));
        });
    }
    HRESULT STDMETHODCALLTYPE OnCreated(LONG, IUnknown*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ProcessAttachDetach(VARIANT_BOOL) override { return E_NOTIMPL; }
};

}  // namespace

HRESULT NewShellWindows(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    return Guarded([&] { return HandOut(new ShellWindows, riid, ppv); });
}

}  // namespace orbilux::shellview
