#include "uia/selection.h"

#include "uia/polling.h"
#include "uia/property_values.h"
#include "uia/target.h"

namespace tidemark::uia {

std::int16_t GetIsSelected(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                           const std::string& localizedControlType, const std::string& automationId,
                           const std::string& className, TreeScope scope, Ref<Element>& parent) {
    const Criteria criteria{name, controlType, localizedControlType, automationId, className};
    if (!ObtainTarget(context, element, criteria, scope, parent)) return selection::Unknown;
    Element& target = Require(element);
    if (!EqualsTrue(target.GetCurrentPropertyValue(property::IsSelectionItemPatternAvailable)))
        return selection::Unknown;
    const bool selected = !EqualsFalse(target.GetCurrentPropertyValue(property::SelectionItemIsSelected));
    return selected ? selection::Selected : selection::NotSelected;
}

bool SelectElement(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                   const std::string& localizedControlType, const std::string& automationId,
                   const std::string& className, TreeScope scope, Ref<Element>& parent) {
    const Criteria criteria{name, controlType, localizedControlType, automationId, className};
    if (!ObtainTarget(context, element, criteria, scope, parent)) return false;
    Ref<Element> target = element;
    Ref<Element> noParent;
    const std::int16_t state = GetIsSelected(context, target, "", 0, "", "", "", scope::Self, noParent);
    if (state == selection::Unknown) return false;
    if (state == selection::Selected) return true;

    const auto item = FetchPattern<SelectionItemPattern>(context, target, property::IsSelectionItemPatternAvailable,
                                                         pattern::SelectionItem);
    if (!item) return false;
    if (item->CurrentIsSelected()) return true;
    ErrorRecord record;
    record.Run([&] { item->Select(); });
    if (record.failed()) context.platform.beeper.Beep();
    return true;
}

bool SelectElementOf(Context& context, Ref<Element>& element) {
    Ref<Element> noParent;
    return SelectElement(context, element, "", 0, "", "", "", scope::Self, noParent);
}

}  // namespace tidemark::uia
