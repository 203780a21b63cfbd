#pragma once

// IUnknown for the test server's objects by the COM rules: a new object
// holds one reference, its creator's; AddRef and Release count; the last
// Release deletes it; QueryInterface answers the same IUnknown pointer for
// every request and adds a reference for what it hands out.

#include <unknwn.h>

#include "reference_ledger.h"

namespace tidemark::win32::uia_server {

template <class Interface, class... Private>
class ComObject : public Interface, public Private... {
public:
    explicit ComObject(ReferenceLedger& ledger) : ledger_(ledger) {
        ++ledger_.objects;
        ++ledger_.references;
        ++ledger_.handedOut;
    }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() { --ledger_.objects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = IsEqualIID(iid, __uuidof(IUnknown)) ? static_cast<IUnknown*>(static_cast<Interface*>(this)) : Find(iid);
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        ++ledger_.references;
        ++ledger_.handedOut;
        return ++count_;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        --ledger_.references;
        const ULONG left = --count_;
        if (left == 0) delete this;
        return left;
    }

protected:
    ReferenceLedger& ledger() const { return ledger_; }
    // The interface asked for, other than IUnknown; null when not implemented.
    virtual void* Find(REFIID iid) = 0;

private:
    ReferenceLedger& ledger_;
    ULONG count_ = 1;
};

}  // namespace tidemark::win32::uia_server
