#include "uia_tree/element_array.h"

#include "uia_tree/element.h"

namespace tidemark::uia_tree {

ElementArrayProxy::ElementArrayProxy(Tree& tree, std::vector<NodePtr> nodes)
    : tree_(tree), nodes_(std::move(nodes)), token_(tree.counts().arrays) {}

std::int32_t ElementArrayProxy::Length() {
    tree_.Enter(Call::ArrayLength, nullptr);
    return static_cast<std::int32_t>(nodes_.size());
}

uia::Ref<uia::Element> ElementArrayProxy::GetElement(std::int32_t index) {
    if (!tree_.Enter(Call::ArrayGetElement, nullptr)) return nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= nodes_.size())
        throw PlatformError(kEInvalidArg, "uia tree: element array index out of range");
    return MakeElement(tree_, nodes_[static_cast<std::size_t>(index)]);
}

}  // namespace tidemark::uia_tree
