#include "win32_automation_factory.h"

#include <memory>

#include "com_automation.h"
#include "uia_com.h"

namespace tidemark::win32 {

namespace {
template <class Class>
HRESULT Create(ComPtr<IUIAutomation>& automation) {
    return CoCreateInstance(__uuidof(Class), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                            automation.put_void());
}
}  // namespace

uia::Ref<uia::Automation> Win32AutomationFactory::CreateAutomation() {
    ComPtr<IUIAutomation> automation;
    HRESULT hr = Create<CUIAutomation8>(automation);
    if (hr == REGDB_E_CLASSNOTREG) hr = Create<CUIAutomation>(automation);
    ThrowIfFailed(hr, "CoCreateInstance(CUIAutomation8)");
    if (!automation) throw PlatformError(kEFail, "CoCreateInstance answered no IUIAutomation");
    return std::make_shared<ComAutomation>(std::move(automation));
}

uia::WindowHandle Win32AutomationFactory::GetDesktopWindow() {
    return reinterpret_cast<uia::WindowHandle>(::GetDesktopWindow());
}

}  // namespace tidemark::win32
