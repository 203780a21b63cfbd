#include "uia_tree/element.h"

#include "uia_tree/conditions.h"
#include "uia_tree/element_array.h"
#include "uia_tree/patterns.h"

namespace tidemark::uia_tree {

namespace {
constexpr uia::TreeScope kScopeElement = 1;
constexpr uia::TreeScope kScopeChildren = uia::scope::Children;
constexpr uia::TreeScope kScopeDescendants = 4;
constexpr uia::TreeScope kScopeSubtree = uia::scope::Subtree;

const TreeCondition& ConditionOf(const uia::Ref<uia::Condition>& condition) {
    if (!condition) throw PlatformError(kEPointer, "uia tree: no condition");
    const auto* ours = dynamic_cast<const TreeCondition*>(condition.get());
    if (ours == nullptr) throw PlatformError(kEInvalidArg, "uia tree: a condition from elsewhere");
    return *ours;
}

// Pre-order walk below `node`; false from `visit` stops it. Without recursion: a page may nest
// its elements as deep as it likes.
template <class Visit>
bool VisitDescendants(const Node& node, Visit& visit) {
    std::vector<NodePtr> left(node.children().rbegin(), node.children().rend());
    while (!left.empty()) {
        const NodePtr child = std::move(left.back());
        left.pop_back();
        if (!child->Shown()) continue;
        if (!visit(child)) return false;
        left.insert(left.end(), child->children().rbegin(), child->children().rend());
    }
    return true;
}
}  // namespace

ElementProxy::ElementProxy(Tree& tree, NodePtr node)
    : tree_(tree), node_(std::move(node)), token_(tree.counts().elements) {}

uia::Ref<uia::Element> MakeElement(Tree& tree, const NodePtr& node) {
    if (!node) return nullptr;
    return std::make_shared<ElementProxy>(tree, node);
}

std::vector<NodePtr> ElementProxy::Search(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition,
                                          bool firstOnly) {
    const TreeCondition& test = ConditionOf(condition);
    if (scope <= 0 || (scope & ~kScopeSubtree) != 0)
        throw PlatformError(kEInvalidArg, "uia tree: tree scope not searchable");
    std::vector<NodePtr> found;
    auto visit = [&](const NodePtr& candidate) {
        if (test.Matches(*candidate)) found.push_back(candidate);
        return !(firstOnly && !found.empty());
    };
    if ((scope & kScopeElement) != 0 && !visit(node_)) return found;
    if ((scope & kScopeDescendants) != 0) {
        VisitDescendants(*node_, visit);
    } else if ((scope & kScopeChildren) != 0) {
        for (const NodePtr& child : node_->children())
            if (child->Shown() && !visit(child)) break;
    }
    return found;
}

uia::Ref<uia::Element> ElementProxy::FindFirst(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) {
    if (!tree_.Enter(Call::FindFirst, node_.get())) return nullptr;
    const auto found = Search(scope, condition, true);
    return found.empty() ? nullptr : MakeElement(tree_, found.front());
}

uia::Ref<uia::ElementArray> ElementProxy::FindAll(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) {
    if (!tree_.Enter(Call::FindAll, node_.get()))
        return std::make_shared<ElementArrayProxy>(tree_, std::vector<NodePtr>{});
    return std::make_shared<ElementArrayProxy>(tree_, Search(scope, condition, false));
}

uia::PropertyValue ElementProxy::GetCurrentPropertyValue(uia::PropertyId id) {
    tree_.Enter(Call::GetCurrentPropertyValue, node_.get());
    return node_->Property(id);
}

uia::Ref<uia::Pattern> ElementProxy::GetCurrentPattern(uia::PatternId id) {
    if (!tree_.Enter({Call::GetCurrentPattern, node_.get(), id})) return nullptr;
    if (!node_->Supports(id)) return nullptr;
    return MakePattern(tree_, node_, id);
}

std::string ElementProxy::CurrentName() {
    tree_.Enter(Call::CurrentName, node_.get());
    return node_->name;
}

std::string ElementProxy::CurrentClassName() {
    tree_.Enter(Call::CurrentClassName, node_.get());
    return node_->className;
}

std::string ElementProxy::CurrentLocalizedControlType() {
    tree_.Enter(Call::CurrentLocalizedControlType, node_.get());
    return node_->localizedControlType;
}

bool ElementProxy::CurrentIsEnabled() {
    tree_.Enter(Call::CurrentIsEnabled, node_.get());
    return node_->enabled;
}

std::vector<std::int32_t> ElementProxy::GetRuntimeId() {
    tree_.Enter(Call::GetRuntimeId, node_.get());
    return node_->runtimeId;
}

void ElementProxy::SetFocus() {
    tree_.Enter(Call::SetFocus, node_.get());
    if (node_->onFocus) node_->onFocus(*node_);
    tree_.Acted({Call::SetFocus, node_.get()});
}

}  // namespace tidemark::uia_tree
