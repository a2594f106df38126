// standin-shellview.dll's entry points: the class object for our CLSID (and
// for CLSID_ShellWindows, which Wine may pass on when it follows TreatAs),
// and DllCanUnloadNow.
#include <exdisp.h>

#include <atomic>

#include "tools/standin-shellview/com_base.h"
#include "tools/standin-shellview/shell_objects.h"
#include "tools/standin-shellview/shell_view_ids.h"

namespace orbilux::shellview {

namespace {

std::atomic<long> moduleReferences{0};

class ClassFactory final : public IClassFactory, public RefCounted {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return release(); }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return NewShellWindows(riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(WINBOOL lock) override {
        if (lock)
            AddModuleReference();
        else
            ReleaseModuleReference();
        return S_OK;
    }
};

}  // namespace

void AddModuleReference() {
    ++moduleReferences;
}
void ReleaseModuleReference() {
    --moduleReferences;
}
bool ModuleInUse() {
    return moduleReferences.load() > 0;
}

}  // namespace orbilux::shellview

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
    using namespace orbilux::shellview;
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (clsid != orbilux::standin::ShellViewClassId && clsid != CLSID_ShellWindows) return CLASS_E_CLASSNOTAVAILABLE;
    return Guarded([&] { return HandOut(new ClassFactory, riid, ppv); });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return orbilux::shellview::ModuleInUse() ? S_FALSE : S_OK;
}
