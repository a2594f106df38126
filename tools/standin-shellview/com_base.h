// What every object of standin-shellview.dll shares: a thread-safe
// reference count that deletes the object at zero, the module's count of
// live objects and locks (for DllCanUnloadNow), an owning COM pointer, and
// the guard that turns a C++ exception into an HRESULT before it could
// cross a COM boundary.
#pragma once

#include <windows.h>

#include <new>
#include <utility>

// COM interfaces have no virtual destructor by design: every object here
// deletes itself in Release, never through an interface pointer.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace orbilux::shellview {

// Live objects plus IClassFactory::LockServer locks.
void AddModuleReference();
void ReleaseModuleReference();
bool ModuleInUse();

class RefCounted {
public:
    RefCounted() { AddModuleReference(); }
    virtual ~RefCounted() { ReleaseModuleReference(); }
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

protected:
    ULONG addRef() { return ULONG(InterlockedIncrement(&references_)); }
    ULONG release() {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return ULONG(left);
    }

private:
    LONG references_ = 1;  // the creator's
};

// Owns one reference.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* adopted) : p_(adopted) {}
    ~ComRef() { reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** put() {
        reset();
        return &p_;
    }
    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

// Runs `body` (returning an HRESULT); an exception becomes E_OUTOFMEMORY or
// E_FAIL.
template <typename Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// Hands a new object (holding its creator's reference) out as `riid`.
template <typename Object>
HRESULT HandOut(Object* object, REFIID riid, void** ppv) {
    const HRESULT result = object->QueryInterface(riid, ppv);
    object->Release();
    return result;
}

}  // namespace orbilux::shellview
