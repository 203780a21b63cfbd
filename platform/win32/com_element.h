#pragma once

#include <utility>

#include "com_ptr.h"
#include "uia/automation.h"
#include "uia_com.h"

namespace tidemark::win32 {

class ComElement final : public uia::Element {
public:
    explicit ComElement(ComPtr<IUIAutomationElement> element) : element_(std::move(element)) {}

    // An empty reference when UI Automation answered none.
    static uia::Ref<uia::Element> Wrap(ComPtr<IUIAutomationElement> element);

    IUIAutomationElement* get() const noexcept { return element_.get(); }

    uia::Ref<uia::Element> FindFirst(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) override;
    uia::Ref<uia::ElementArray> FindAll(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) override;
    uia::PropertyValue GetCurrentPropertyValue(uia::PropertyId id) override;
    uia::Ref<uia::Pattern> GetCurrentPattern(uia::PatternId id) override;
    std::string CurrentName() override;
    std::string CurrentClassName() override;
    std::string CurrentLocalizedControlType() override;
    bool CurrentIsEnabled() override;
    std::vector<std::int32_t> GetRuntimeId() override;
    void SetFocus() override;

private:
    ComPtr<IUIAutomationElement> element_;
};

class ComElementArray final : public uia::ElementArray {
public:
    explicit ComElementArray(ComPtr<IUIAutomationElementArray> elements) : elements_(std::move(elements)) {}

    std::int32_t Length() override;
    uia::Ref<uia::Element> GetElement(std::int32_t index) override;

private:
    ComPtr<IUIAutomationElementArray> elements_;
};

// The COM element behind a reference; null for an empty one. An element
// made by another platform layer throws PlatformError(E_INVALIDARG).
IUIAutomationElement* ElementOf(const uia::Ref<uia::Element>& element);

// The seam's small integers as the enums of Wine's IDL. Those enums list
// fewer values than UI Automation accepts (PropertyConditionFlags has no
// MatchSubstring); GCC keeps any int in them unless -fstrict-enums, and the
// call passes an int either way.
template <class Enum>
Enum AsComEnum(std::int32_t value) {
    return static_cast<Enum>(value);
}

}  // namespace tidemark::win32
