#include "sim/sim_automation.h"

#include "sim/sim_conditions.h"
#include "sim/sim_element.h"
#include "sim/sim_hresults.h"
#include "sim/sim_walker.h"

namespace tidemark::sim {

namespace {
uia::Ref<SimCondition> Ours(const uia::Ref<uia::Condition>& condition) {
    if (!condition) throw PlatformError(kEPointer, "sim: no condition");
    auto ours = std::dynamic_pointer_cast<SimCondition>(condition);
    if (!ours) throw PlatformError(kEInvalidArg, "sim: a condition from elsewhere");
    return ours;
}
}  // namespace

AutomationProxy::AutomationProxy(Desktop& desktop) : desktop_(desktop), token_(desktop.counts().automations) {}

uia::Ref<uia::Element> AutomationProxy::ElementFromHandle(uia::WindowHandle window) {
    if (!desktop_.Enter(Call::ElementFromHandle, nullptr)) return nullptr;
    const NodePtr node = desktop_.FindByHandle(window);
    if (!node) throw PlatformError(kEInvalidArg, "sim: no window with that handle");
    return MakeElement(desktop_, node);
}

uia::Ref<uia::TreeWalker> AutomationProxy::ControlViewWalker() {
    if (!desktop_.Enter(Call::ControlViewWalker, nullptr)) return nullptr;
    return std::make_shared<WalkerProxy>(desktop_);
}

uia::Ref<uia::Condition> AutomationProxy::CreatePropertyCondition(uia::PropertyId id, const uia::PropertyValue& value) {
    if (!desktop_.Enter(Call::CreatePropertyCondition, nullptr)) return nullptr;
    return std::make_shared<PropertyCondition>(desktop_, id, value, 0);
}

uia::Ref<uia::Condition> AutomationProxy::CreatePropertyConditionEx(uia::PropertyId id, const uia::PropertyValue& value,
                                                                    std::int32_t flags) {
    if (!desktop_.Enter(Call::CreatePropertyConditionEx, nullptr)) return nullptr;
    return std::make_shared<PropertyCondition>(desktop_, id, value, flags);
}

uia::Ref<uia::Condition> AutomationProxy::CreateAndCondition(const uia::Ref<uia::Condition>& first,
                                                             const uia::Ref<uia::Condition>& second) {
    if (!desktop_.Enter(Call::CreateAndCondition, nullptr)) return nullptr;
    return std::make_shared<AndCondition>(desktop_, Ours(first), Ours(second));
}

uia::Ref<uia::Condition> AutomationProxy::CreateTrueCondition() {
    if (!desktop_.Enter(Call::CreateTrueCondition, nullptr)) return nullptr;
    return std::make_shared<TrueCondition>(desktop_);
}

}  // namespace tidemark::sim
