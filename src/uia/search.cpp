#include "uia/search.h"

#include "uia/conditions.h"
#include "uia/liveness.h"
#include "uia/polling.h"

namespace tidemark::uia {

bool WaitFindElement(Context& context, Ref<Element>& found, const std::string& name, ControlType controlType,
                     const std::string& localizedControlType, const std::string& automationId,
                     const std::string& className, TreeScope scope, Ref<Element>& parent, double timeoutMs,
                     bool checkParent) {
    // Taken before `found` is emptied: a caller may search under the reference it fills.
    Ref<Element> searchRoot = parent;
    found.reset();
    if (checkParent && !IsElementAlive(context, searchRoot, kInnerLimitMs)) return false;
    Ref<Condition> condition;
    if (!BuildCondition(context, condition, name, controlType, localizedControlType, automationId, className, false))
        return false;

    ErrorRecord record;
    const double start = StartReading(context);
    while (ElapsedSince(context, start) < timeoutMs && !found) {
        PollPause(context);
        record.Run([&] { found = Require(searchRoot).FindFirst(scope, condition); });
        if (record.EndsSearch()) return false;
    }
    return IsElementAlive(context, found, kInnerLimitMs);
}

bool WaitFindElements(Context& context, Ref<ElementArray>& found, const std::string& name, ControlType controlType,
                      const std::string& localizedControlType, const std::string& automationId,
                      const std::string& className, TreeScope scope, Ref<Element>& parent, double timeoutMs) {
    Ref<Element> searchRoot = parent;
    found.reset();
    if (!IsElementAlive(context, searchRoot, kInnerLimitMs)) return false;
    Ref<Condition> condition;
    if (!HasCriterion(name, controlType, localizedControlType, automationId, className)) {
        condition = AutomationOf(context).CreateTrueCondition();
        if (!condition) return false;
    } else if (!BuildCondition(context, condition, name, controlType, localizedControlType, automationId, className,
                               false)) {
        return false;
    }

    ErrorRecord record;
    const double start = StartReading(context);
    for (;;) {
        if (ElapsedSince(context, start) > timeoutMs) break;
        bool anyFound = false;
        record.Run([&] { anyFound = found && found->Length() != 0; });
        if (anyFound) break;
        PollPause(context);
        record.Run([&] { found = Require(searchRoot).FindAll(scope, condition); });
        if (record.EndsSearch()) return false;
    }
    return IsElementAlive(context, found, kInnerLimitMs);
}

}  // namespace tidemark::uia
