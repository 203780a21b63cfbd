#include "uia_tree/automation.h"

#include "uia_tree/conditions.h"
#include "uia_tree/element.h"
#include "uia_tree/hresults.h"
#include "uia_tree/walker.h"

namespace tidemark::uia_tree {

namespace {
uia::Ref<TreeCondition> Ours(const uia::Ref<uia::Condition>& condition) {
    if (!condition) throw PlatformError(kEPointer, "uia tree: no condition");
    auto ours = std::dynamic_pointer_cast<TreeCondition>(condition);
    if (!ours) throw PlatformError(kEInvalidArg, "uia tree: a condition from elsewhere");
    return ours;
}
}  // namespace

AutomationProxy::AutomationProxy(Tree& tree) : tree_(tree), token_(tree.counts().automations) {}

uia::Ref<uia::Element> AutomationProxy::ElementFromHandle(uia::WindowHandle window) {
    if (!tree_.Enter(Call::ElementFromHandle, nullptr)) return nullptr;
    const NodePtr node = tree_.FindByHandle(window);
    if (!node) throw PlatformError(kEInvalidArg, "uia tree: no window with that handle");
    return MakeElement(tree_, node);
}

uia::Ref<uia::TreeWalker> AutomationProxy::ControlViewWalker() {
    if (!tree_.Enter(Call::ControlViewWalker, nullptr)) return nullptr;
    return std::make_shared<WalkerProxy>(tree_);
}

uia::Ref<uia::Condition> AutomationProxy::CreatePropertyCondition(uia::PropertyId id, const uia::PropertyValue& value) {
    if (!tree_.Enter(Call::CreatePropertyCondition, nullptr)) return nullptr;
    return std::make_shared<PropertyCondition>(tree_, id, value, 0);
}

uia::Ref<uia::Condition> AutomationProxy::CreatePropertyConditionEx(uia::PropertyId id, const uia::PropertyValue& value,
                                                                    std::int32_t flags) {
    if (!tree_.Enter(Call::CreatePropertyConditionEx, nullptr)) return nullptr;
    return std::make_shared<PropertyCondition>(tree_, id, value, flags);
}

uia::Ref<uia::Condition> AutomationProxy::CreateAndCondition(const uia::Ref<uia::Condition>& first,
                                                             const uia::Ref<uia::Condition>& second) {
    if (!tree_.Enter(Call::CreateAndCondition, nullptr)) return nullptr;
    return std::make_shared<AndCondition>(tree_, Ours(first), Ours(second));
}

uia::Ref<uia::Condition> AutomationProxy::CreateTrueCondition() {
    if (!tree_.Enter(Call::CreateTrueCondition, nullptr)) return nullptr;
    return std::make_shared<TrueCondition>(tree_);
}

}  // namespace tidemark::uia_tree
