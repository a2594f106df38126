// COM for the thread that talks to the desktop: a single-threaded apartment,
// entered once per process by the program's composition root and left when
// it ends. The shell's objects are apartment-bound; a caller in the
// multithreaded apartment would reach them only through proxies.
#pragma once

#include <objbase.h>

namespace orbilux::win32 {

class ComApartment {
public:
    ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (entered_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when the thread was already in another apartment: COM still
    // works there, through whatever that apartment offers.
    bool entered() const { return entered_; }

private:
    bool entered_;
};

}  // namespace orbilux::win32
