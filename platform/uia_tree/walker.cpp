#include "uia_tree/walker.h"

#include <algorithm>

#include "uia_tree/element.h"

namespace tidemark::uia_tree {

WalkerProxy::WalkerProxy(Tree& tree) : tree_(tree), token_(tree.counts().walkers) {}

NodePtr WalkerProxy::Enter(Call call, const uia::Ref<uia::Element>& element) {
    if (!element) throw PlatformError(kEPointer, "uia tree: walker given no element");
    NodePtr node = Tree::NodeOf(element);
    if (!node) throw PlatformError(kEInvalidArg, "uia tree: walker given an element from elsewhere");
    return tree_.Enter(call, node.get()) ? node : nullptr;
}

uia::Ref<uia::Element> WalkerProxy::Sibling(Call call, const uia::Ref<uia::Element>& element, int offset) {
    const NodePtr node = Enter(call, element);
    const NodePtr owner = node ? node->parent() : nullptr;
    if (!owner) return nullptr;
    const auto siblings = owner->PresentChildren();
    const auto at = std::find(siblings.begin(), siblings.end(), node);
    const auto index = (at - siblings.begin()) + offset;
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(siblings.size())) return nullptr;
    return MakeElement(tree_, siblings[static_cast<std::size_t>(index)]);
}

uia::Ref<uia::Element> WalkerProxy::GetParentElement(const uia::Ref<uia::Element>& element) {
    const NodePtr node = Enter(Call::GetParentElement, element);
    return node ? MakeElement(tree_, node->parent()) : nullptr;
}

uia::Ref<uia::Element> WalkerProxy::GetPreviousSiblingElement(const uia::Ref<uia::Element>& element) {
    return Sibling(Call::GetPreviousSiblingElement, element, -1);
}

uia::Ref<uia::Element> WalkerProxy::GetNextSiblingElement(const uia::Ref<uia::Element>& element) {
    return Sibling(Call::GetNextSiblingElement, element, +1);
}

uia::Ref<uia::Element> WalkerProxy::GetFirstChildElement(const uia::Ref<uia::Element>& element) {
    const NodePtr node = Enter(Call::GetFirstChildElement, element);
    const auto children = node ? node->PresentChildren() : std::vector<NodePtr>{};
    return children.empty() ? nullptr : MakeElement(tree_, children.front());
}

uia::Ref<uia::Element> WalkerProxy::GetLastChildElement(const uia::Ref<uia::Element>& element) {
    const NodePtr node = Enter(Call::GetLastChildElement, element);
    const auto children = node ? node->PresentChildren() : std::vector<NodePtr>{};
    return children.empty() ? nullptr : MakeElement(tree_, children.back());
}

}  // namespace tidemark::uia_tree
