#include "uia/actions.h"

#include "uia/polling.h"
#include "uia/property_values.h"
#include "uia/target.h"

namespace tidemark::uia {

bool CloseWindowElement(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                        const std::string& localizedControlType, const std::string& automationId,
                        const std::string& className, TreeScope scope, Ref<Element>& parent) {
    const Criteria criteria{name, controlType, localizedControlType, automationId, className};
    if (!ObtainTarget(context, element, criteria, scope, parent)) return false;
    Ref<Element> target = element;
    const auto window =
        FetchPattern<WindowPattern>(context, target, property::IsWindowPatternAvailable, pattern::Window);
    if (!window) return false;
    try {
        window->Close();
    } catch (const PlatformError&) {
        return false;
    }
    return true;
}

bool InvokeElement(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                   const std::string& localizedControlType, const std::string& automationId,
                   const std::string& className, TreeScope scope, Ref<Element>& parent) {
    const Criteria criteria{name, controlType, localizedControlType, automationId, className};
    if (!ObtainTarget(context, element, criteria, scope, parent)) return false;
    Ref<Element> target = element;
    const auto invoke =
        FetchPattern<InvokePattern>(context, target, property::IsInvokePatternAvailable, pattern::Invoke);
    if (!invoke) return false;
    try {
        invoke->Invoke();
    } catch (const PlatformError&) {
        // The press was made; a page that answers it with an error has still been pressed.
    }
    return true;
}

bool SetElementValue(Context& context, Ref<Element>& element, const std::string& value, const std::string& name,
                     ControlType controlType, const std::string& localizedControlType, const std::string& automationId,
                     const std::string& className, TreeScope scope, Ref<Element>& parent) {
    const Criteria criteria{name, controlType, localizedControlType, automationId, className};
    if (!ObtainTarget(context, element, criteria, scope, parent)) return false;
    Ref<Element> target = element;
    const auto valuePattern =
        FetchPattern<ValuePattern>(context, target, property::IsValuePatternAvailable, pattern::Value);
    if (!valuePattern) return false;
    try {
        valuePattern->SetValue(value);
    } catch (const PlatformError&) {
        return false;
    }
    return true;
}

bool GetElementValue(Context& context, Ref<Element>& element, std::string& value, const std::string& name,
                     ControlType controlType, const std::string& localizedControlType, const std::string& automationId,
                     const std::string& className, TreeScope scope, Ref<Element>& parent) {
    const Criteria criteria{name, controlType, localizedControlType, automationId, className};
    if (!ObtainTarget(context, element, criteria, scope, parent)) return false;
    Element& target = Require(element);
    if (!EqualsTrue(target.GetCurrentPropertyValue(property::IsValuePatternAvailable))) return false;
    value = ValueText(target.GetCurrentPropertyValue(property::ValueValue));
    return true;
}

bool CloseWindowOf(Context& context, Ref<Element>& element) {
    Ref<Element> noParent;
    return CloseWindowElement(context, element, "", 0, "", "", "", scope::Self, noParent);
}

bool GetValueOf(Context& context, Ref<Element>& element, std::string& value) {
    Ref<Element> noParent;
    return GetElementValue(context, element, value, "", 0, "", "", "", scope::Self, noParent);
}

}  // namespace tidemark::uia
