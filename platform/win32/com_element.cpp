#include "com_element.h"

#include <memory>

#include "com_condition.h"
#include "com_patterns.h"
#include "property_variant.h"
#include "unique_bstr.h"
#include "unique_safearray.h"
#include "unique_variant.h"

namespace tidemark::win32 {

uia::Ref<uia::Element> ComElement::Wrap(ComPtr<IUIAutomationElement> element) {
    if (!element) return nullptr;
    return std::make_shared<ComElement>(std::move(element));
}

IUIAutomationElement* ElementOf(const uia::Ref<uia::Element>& element) {
    if (!element) return nullptr;
    const auto* ours = dynamic_cast<const ComElement*>(element.get());
    if (!ours) throw PlatformError(kEInvalidArg, "not a UI Automation element of this platform");
    return ours->get();
}

uia::Ref<uia::Element> ComElement::FindFirst(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) {
    return Wrap(Fetch<IUIAutomationElement>("IUIAutomationElement::FindFirst", [&](IUIAutomationElement** found) {
        return element_->FindFirst(AsComEnum<::TreeScope>(scope), ConditionOf(condition), found);
    }));
}

uia::Ref<uia::ElementArray> ComElement::FindAll(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) {
    auto found =
        Fetch<IUIAutomationElementArray>("IUIAutomationElement::FindAll", [&](IUIAutomationElementArray** elements) {
            return element_->FindAll(AsComEnum<::TreeScope>(scope), ConditionOf(condition), elements);
        });
    // A null array with S_OK is nothing found: the seam's array of length 0.
    return std::make_shared<ComElementArray>(std::move(found));
}

uia::PropertyValue ComElement::GetCurrentPropertyValue(uia::PropertyId id) {
    unique_variant value;
    ThrowIfFailed(element_->GetCurrentPropertyValue(id, value.put()), "IUIAutomationElement::GetCurrentPropertyValue");
    return ToPropertyValue(value.get());
}

uia::Ref<uia::Pattern> ComElement::GetCurrentPattern(uia::PatternId id) {
    const auto pattern = Fetch<IUnknown>("IUIAutomationElement::GetCurrentPattern",
                                         [&](IUnknown** found) { return element_->GetCurrentPattern(id, found); });
    return WrapPattern(id, pattern);
}

std::string ComElement::CurrentName() {
    unique_bstr text;
    ThrowIfFailed(element_->get_CurrentName(text.put()), "IUIAutomationElement::get_CurrentName");
    return ToUtf8(text);
}

std::string ComElement::CurrentClassName() {
    unique_bstr text;
    ThrowIfFailed(element_->get_CurrentClassName(text.put()), "IUIAutomationElement::get_CurrentClassName");
    return ToUtf8(text);
}

std::string ComElement::CurrentLocalizedControlType() {
    unique_bstr text;
    ThrowIfFailed(element_->get_CurrentLocalizedControlType(text.put()),
                  "IUIAutomationElement::get_CurrentLocalizedControlType");
    return ToUtf8(text);
}

bool ComElement::CurrentIsEnabled() {
    BOOL enabled = FALSE;
    ThrowIfFailed(element_->get_CurrentIsEnabled(&enabled), "IUIAutomationElement::get_CurrentIsEnabled");
    return enabled != FALSE;
}

std::vector<std::int32_t> ComElement::GetRuntimeId() {
    unique_safearray id;
    ThrowIfFailed(element_->GetRuntimeId(id.put()), "IUIAutomationElement::GetRuntimeId");
    return Int32Elements(id.get());
}

void ComElement::SetFocus() { ThrowIfFailed(element_->SetFocus(), "IUIAutomationElement::SetFocus"); }

std::int32_t ComElementArray::Length() {
    if (!elements_) return 0;
    int length = 0;
    ThrowIfFailed(elements_->get_Length(&length), "IUIAutomationElementArray::get_Length");
    return length;
}

uia::Ref<uia::Element> ComElementArray::GetElement(std::int32_t index) {
    if (!elements_) throw PlatformError(kEInvalidArg, "IUIAutomationElementArray::GetElement past the end");
    return ComElement::Wrap(Fetch<IUIAutomationElement>(
        "IUIAutomationElementArray::GetElement",
        [&](IUIAutomationElement** element) { return elements_->GetElement(index, element); }));
}

}  // namespace tidemark::win32
