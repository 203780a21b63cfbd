#pragma once

// A COM object that only counts its references, so tests can see what the
// RAII types add and release.

#include <unknwn.h>

namespace tidemark::win32::testing {

class CountedUnknown final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (!IsEqualIID(iid, __uuidof(IUnknown))) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IUnknown*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    // The test's own reference is the first.
    ULONG references = 1;
};

}  // namespace tidemark::win32::testing
