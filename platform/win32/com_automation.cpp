#include "com_automation.h"

#include <memory>

#include "com_condition.h"
#include "com_element.h"
#include "com_tree_walker.h"
#include "property_variant.h"

namespace tidemark::win32 {

namespace {
// As everywhere in the adapter, a null answer with S_OK is an empty reference.
uia::Ref<uia::Condition> Wrap(ComPtr<IUIAutomationCondition> condition) {
    if (!condition) return nullptr;
    return std::make_shared<ComCondition>(std::move(condition));
}
}  // namespace

uia::Ref<uia::Element> ComAutomation::ElementFromHandle(uia::WindowHandle window) {
    return ComElement::Wrap(
        Fetch<IUIAutomationElement>("IUIAutomation::ElementFromHandle", [&](IUIAutomationElement** element) {
            return automation_->ElementFromHandle(reinterpret_cast<UIA_HWND>(window), element);
        }));
}

uia::Ref<uia::TreeWalker> ComAutomation::ControlViewWalker() {
    auto walker = Fetch<IUIAutomationTreeWalker>(
        "IUIAutomation::get_ControlViewWalker",
        [&](IUIAutomationTreeWalker** found) { return automation_->get_ControlViewWalker(found); });
    if (!walker) return nullptr;
    return std::make_shared<ComTreeWalker>(std::move(walker));
}

uia::Ref<uia::Condition> ComAutomation::CreatePropertyCondition(uia::PropertyId id, const uia::PropertyValue& value) {
    const unique_variant variant = ToVariant(value);
    return Wrap(Fetch<IUIAutomationCondition>(
        "IUIAutomation::CreatePropertyCondition", [&](IUIAutomationCondition** condition) {
            return automation_->CreatePropertyCondition(id, variant.get(), condition);
        }));
}

uia::Ref<uia::Condition> ComAutomation::CreatePropertyConditionEx(uia::PropertyId id, const uia::PropertyValue& value,
                                                                  std::int32_t flags) {
    const unique_variant variant = ToVariant(value);
    return Wrap(Fetch<IUIAutomationCondition>(
        "IUIAutomation::CreatePropertyConditionEx", [&](IUIAutomationCondition** condition) {
            return automation_->CreatePropertyConditionEx(id, variant.get(), AsComEnum<PropertyConditionFlags>(flags),
                                                          condition);
        }));
}

uia::Ref<uia::Condition> ComAutomation::CreateAndCondition(const uia::Ref<uia::Condition>& first,
                                                           const uia::Ref<uia::Condition>& second) {
    return Wrap(
        Fetch<IUIAutomationCondition>("IUIAutomation::CreateAndCondition", [&](IUIAutomationCondition** condition) {
            return automation_->CreateAndCondition(ConditionOf(first), ConditionOf(second), condition);
        }));
}

uia::Ref<uia::Condition> ComAutomation::CreateTrueCondition() {
    return Wrap(Fetch<IUIAutomationCondition>(
        "IUIAutomation::CreateTrueCondition",
        [&](IUIAutomationCondition** condition) { return automation_->CreateTrueCondition(condition); }));
}

}  // namespace tidemark::win32
