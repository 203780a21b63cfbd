// The test server as an in-process COM server, for a Wine prefix of its own
// where it is registered under CUIAutomation8's class id: Tidemark.exe then
// creates it as it would Windows' UI Automation. The hosted desktop is the
// one thing the DLL keeps for the process, as any COM server keeps its class.

#include <windows.h>

#include <memory>

#include "com_answer.h"
#include "com_object.h"
#include "hosted_desktop.h"
#include "test_server.h"
#include "uia_com.h"

namespace tidemark::win32::registered_server {
namespace {

// Never destroyed: the program may still hold the server's objects when the
// process ends, and they stand on it.
HostedDesktop& Hosted() {
    static HostedDesktop* const desktop = new HostedDesktop;
    return *desktop;
}

// Enter pressed anywhere goes to the simulated Edge, as a real key would
// reach the real Edge's focused address bar.
LRESULT CALLBACK OnKey(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode == VK_RETURN)
        Hosted().EnterKey(message == WM_KEYUP || message == WM_SYSKEYUP);
    return CallNextHookEx(nullptr, code, message, data);
}

class AutomationClass final : public uia_server::ComObject<IClassFactory> {
public:
    using ComObject::ComObject;

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        return uia_server::Answer([&] {
            static const HHOOK keyHook = SetWindowsHookExW(WH_KEYBOARD_LL, OnKey, GetModuleHandleW(nullptr), 0);
            static_cast<void>(keyHook);
            const ComPtr<IUIAutomation> automation =
                uia_server::CreateTestAutomation(Hosted().tree(), Hosted().ledger());
            ThrowIfFailed(automation->QueryInterface(iid, out), "QueryInterface");
        });
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    void* Find(REFIID iid) override {
        return IsEqualIID(iid, __uuidof(IClassFactory)) ? static_cast<IClassFactory*>(this) : nullptr;
    }
};

}  // namespace
}  // namespace tidemark::win32::registered_server

using tidemark::win32::registered_server::AutomationClass;
using tidemark::win32::registered_server::Hosted;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, __uuidof(CUIAutomation8)) && !IsEqualCLSID(clsid, __uuidof(CUIAutomation)))
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new AutomationClass(Hosted().ledger());
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

// The hosted desktop lives as long as the process.
STDAPI DllCanUnloadNow() { return S_FALSE; }
