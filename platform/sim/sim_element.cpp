#include "sim/sim_element.h"

#include "sim/sim_conditions.h"
#include "sim/sim_element_array.h"
#include "sim/sim_patterns.h"

namespace tidemark::sim {

namespace {
constexpr uia::TreeScope kScopeElement = 1;
constexpr uia::TreeScope kScopeChildren = uia::scope::Children;
constexpr uia::TreeScope kScopeDescendants = 4;
constexpr uia::TreeScope kScopeSubtree = uia::scope::Subtree;

const SimCondition& ConditionOf(const uia::Ref<uia::Condition>& condition) {
    if (!condition) throw PlatformError(kEPointer, "sim: no condition");
    const auto* ours = dynamic_cast<const SimCondition*>(condition.get());
    if (ours == nullptr) throw PlatformError(kEInvalidArg, "sim: a condition from elsewhere");
    return *ours;
}

// Pre-order walk below `node`; false from `visit` stops it.
template <class Visit>
bool VisitDescendants(const Node& node, double nowMs, Visit& visit) {
    for (const NodePtr& child : node.children()) {
        if (!child->ShownAt(nowMs)) continue;
        if (!visit(child)) return false;
        if (!VisitDescendants(*child, nowMs, visit)) return false;
    }
    return true;
}
}  // namespace

ElementProxy::ElementProxy(Desktop& desktop, NodePtr node)
    : desktop_(desktop), node_(std::move(node)), token_(desktop.counts().elements) {}

uia::Ref<uia::Element> MakeElement(Desktop& desktop, const NodePtr& node) {
    if (!node) return nullptr;
    return std::make_shared<ElementProxy>(desktop, node);
}

std::vector<NodePtr> ElementProxy::Search(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition,
                                          bool firstOnly) {
    const SimCondition& test = ConditionOf(condition);
    if (scope <= 0 || (scope & ~kScopeSubtree) != 0) throw PlatformError(kEInvalidArg, "sim: tree scope not searchable");
    std::vector<NodePtr> found;
    auto visit = [&](const NodePtr& candidate) {
        if (test.Matches(*candidate)) found.push_back(candidate);
        return !(firstOnly && !found.empty());
    };
    if ((scope & kScopeElement) != 0 && !visit(node_)) return found;
    const double now = desktop_.NowMs();
    if ((scope & kScopeDescendants) != 0) {
        VisitDescendants(*node_, now, visit);
    } else if ((scope & kScopeChildren) != 0) {
        for (const NodePtr& child : node_->children())
            if (child->ShownAt(now) && !visit(child)) break;
    }
    return found;
}

uia::Ref<uia::Element> ElementProxy::FindFirst(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) {
    if (!desktop_.Enter(Call::FindFirst, node_.get())) return nullptr;
    const auto found = Search(scope, condition, true);
    return found.empty() ? nullptr : MakeElement(desktop_, found.front());
}

uia::Ref<uia::ElementArray> ElementProxy::FindAll(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) {
    if (!desktop_.Enter(Call::FindAll, node_.get())) return std::make_shared<ElementArrayProxy>(desktop_, std::vector<NodePtr>{});
    return std::make_shared<ElementArrayProxy>(desktop_, Search(scope, condition, false));
}

uia::PropertyValue ElementProxy::GetCurrentPropertyValue(uia::PropertyId id) {
    desktop_.Enter(Call::GetCurrentPropertyValue, node_.get());
    return node_->Property(id);
}

uia::Ref<uia::Pattern> ElementProxy::GetCurrentPattern(uia::PatternId id) {
    if (!desktop_.Enter(Call::GetCurrentPattern, node_.get())) return nullptr;
    if (!node_->Supports(id) || node_->PatternWithheld(id)) return nullptr;
    return MakePattern(desktop_, node_, id);
}

std::string ElementProxy::CurrentName() {
    desktop_.Enter(Call::CurrentName, node_.get());
    return node_->name;
}

std::string ElementProxy::CurrentClassName() {
    desktop_.Enter(Call::CurrentClassName, node_.get());
    return node_->className;
}

std::string ElementProxy::CurrentLocalizedControlType() {
    desktop_.Enter(Call::CurrentLocalizedControlType, node_.get());
    return node_->localizedControlType;
}

bool ElementProxy::CurrentIsEnabled() {
    desktop_.Enter(Call::CurrentIsEnabled, node_.get());
    return node_->enabled;
}

std::vector<std::int32_t> ElementProxy::GetRuntimeId() {
    desktop_.Enter(Call::GetRuntimeId, node_.get());
    return node_->runtimeId;
}

void ElementProxy::SetFocus() {
    desktop_.Enter(Call::SetFocus, node_.get());
    ++node_->focusCount;
    if (node_->onFocus) node_->onFocus(*node_);
}

}  // namespace tidemark::sim
