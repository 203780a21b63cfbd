#include "uia/conditions.h"

#include "common/text.h"
#include "uia/polling.h"

namespace tidemark::uia {

namespace {
constexpr std::string_view kLegacyPrefix = "legacyname";

bool Given(const std::string& text) { return !TrimBlanks(text).empty(); }

bool HasLegacyPrefix(const std::string& name) {
    return name.size() >= kLegacyPrefix.size() && LowerAscii(name.substr(0, kLegacyPrefix.size())) == kLegacyPrefix;
}
}  // namespace

bool HasCriterion(const std::string& name, ControlType controlType, const std::string& localizedControlType,
                  const std::string& automationId, const std::string& className) {
    return Given(name) || controlType != 0 || Given(localizedControlType) || Given(automationId) || Given(className);
}

bool BuildCondition(Context& context, Ref<Condition>& condition, const std::string& name, ControlType controlType,
                    const std::string& localizedControlType, const std::string& automationId,
                    const std::string& className, bool matchSubstring) {
    Automation& automation = AutomationOf(context);
    // Built aside, so a refusal half-way leaves the caller's condition as it was.
    Ref<Condition> accumulated = condition;
    auto add = [&](Ref<Condition> created) {
        if (!created) return false;
        accumulated = accumulated ? automation.CreateAndCondition(accumulated, created) : std::move(created);
        return accumulated != nullptr;
    };

    if (Given(name)) {
        const std::int32_t flags = matchSubstring ? kMatchSubstring : kMatchExact;
        const bool legacy = HasLegacyPrefix(name);
        const Ref<Condition> created =
            legacy ? automation.CreatePropertyConditionEx(property::LegacyIAccessibleName,
                                                          name.substr(kLegacyPrefix.size()), flags)
                   : automation.CreatePropertyConditionEx(property::Name, name, flags);
        if (!add(created)) return false;
    }
    if (controlType != 0 && !add(automation.CreatePropertyCondition(property::ControlType, controlType))) return false;
    if (Given(localizedControlType) &&
        !add(automation.CreatePropertyCondition(property::LocalizedControlType, localizedControlType)))
        return false;
    if (Given(automationId) && !add(automation.CreatePropertyCondition(property::AutomationId, automationId)))
        return false;
    if (Given(className) && !add(automation.CreatePropertyCondition(property::ClassName, className))) return false;

    condition = std::move(accumulated);
    return condition != nullptr;
}

}  // namespace tidemark::uia
