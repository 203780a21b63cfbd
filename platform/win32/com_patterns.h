#pragma once

#include <utility>

#include "com_ptr.h"
#include "uia/automation.h"
#include "uia_com.h"

namespace tidemark::win32 {

class ComInvokePattern final : public uia::InvokePattern {
public:
    explicit ComInvokePattern(ComPtr<IUIAutomationInvokePattern> pattern) : pattern_(std::move(pattern)) {}
    void Invoke() override;

private:
    ComPtr<IUIAutomationInvokePattern> pattern_;
};

class ComValuePattern final : public uia::ValuePattern {
public:
    explicit ComValuePattern(ComPtr<IUIAutomationValuePattern> pattern) : pattern_(std::move(pattern)) {}
    void SetValue(const std::string& value) override;

private:
    ComPtr<IUIAutomationValuePattern> pattern_;
};

class ComWindowPattern final : public uia::WindowPattern {
public:
    explicit ComWindowPattern(ComPtr<IUIAutomationWindowPattern> pattern) : pattern_(std::move(pattern)) {}
    void Close() override;
    void SetWindowVisualState(std::int32_t state) override;
    bool CurrentCanMaximize() override;
    bool CurrentCanMinimize() override;

private:
    ComPtr<IUIAutomationWindowPattern> pattern_;
};

class ComSelectionItemPattern final : public uia::SelectionItemPattern {
public:
    explicit ComSelectionItemPattern(ComPtr<IUIAutomationSelectionItemPattern> pattern)
        : pattern_(std::move(pattern)) {}
    bool CurrentIsSelected() override;
    void Select() override;

private:
    ComPtr<IUIAutomationSelectionItemPattern> pattern_;
};

// The pattern of that id behind the object GetCurrentPattern answered; an
// empty reference for none. An id the program does not use throws
// PlatformError(E_INVALIDARG).
uia::Ref<uia::Pattern> WrapPattern(uia::PatternId id, const ComPtr<IUnknown>& pattern);

}  // namespace tidemark::win32
