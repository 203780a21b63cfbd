#include "com_patterns.h"

#include <memory>

#include "unique_bstr.h"

namespace tidemark::win32 {

namespace {
template <class Adapter, class Interface>
uia::Ref<uia::Pattern> Adapt(const ComPtr<IUnknown>& pattern) {
    return std::make_shared<Adapter>(pattern.query<Interface>());
}

bool IsTrue(BOOL value) { return value != FALSE; }
}  // namespace

uia::Ref<uia::Pattern> WrapPattern(uia::PatternId id, const ComPtr<IUnknown>& pattern) {
    if (!pattern) return nullptr;
    switch (id) {
        case uia::pattern::Invoke: return Adapt<ComInvokePattern, IUIAutomationInvokePattern>(pattern);
        case uia::pattern::Value: return Adapt<ComValuePattern, IUIAutomationValuePattern>(pattern);
        case uia::pattern::Window: return Adapt<ComWindowPattern, IUIAutomationWindowPattern>(pattern);
        case uia::pattern::SelectionItem:
            return Adapt<ComSelectionItemPattern, IUIAutomationSelectionItemPattern>(pattern);
        default: throw PlatformError(kEInvalidArg, "a control pattern the program does not use");
    }
}

void ComInvokePattern::Invoke() { ThrowIfFailed(pattern_->Invoke(), "IUIAutomationInvokePattern::Invoke"); }

void ComValuePattern::SetValue(const std::string& value) {
    const unique_bstr text = MakeBstr(value);
    ThrowIfFailed(pattern_->SetValue(text.get()), "IUIAutomationValuePattern::SetValue");
}

void ComWindowPattern::Close() { ThrowIfFailed(pattern_->Close(), "IUIAutomationWindowPattern::Close"); }

void ComWindowPattern::SetWindowVisualState(std::int32_t state) {
    ThrowIfFailed(pattern_->SetWindowVisualState(static_cast<WindowVisualState>(state)),
                  "IUIAutomationWindowPattern::SetWindowVisualState");
}

bool ComWindowPattern::CurrentCanMaximize() {
    BOOL can = FALSE;
    ThrowIfFailed(pattern_->get_CurrentCanMaximize(&can), "IUIAutomationWindowPattern::get_CurrentCanMaximize");
    return IsTrue(can);
}

bool ComWindowPattern::CurrentCanMinimize() {
    BOOL can = FALSE;
    ThrowIfFailed(pattern_->get_CurrentCanMinimize(&can), "IUIAutomationWindowPattern::get_CurrentCanMinimize");
    return IsTrue(can);
}

bool ComSelectionItemPattern::CurrentIsSelected() {
    BOOL selected = FALSE;
    ThrowIfFailed(pattern_->get_CurrentIsSelected(&selected),
                  "IUIAutomationSelectionItemPattern::get_CurrentIsSelected");
    return IsTrue(selected);
}

void ComSelectionItemPattern::Select() {
    ThrowIfFailed(pattern_->Select(), "IUIAutomationSelectionItemPattern::Select");
}

}  // namespace tidemark::win32
