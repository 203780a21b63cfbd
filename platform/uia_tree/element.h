#pragma once

#include "uia_tree/tree.h"
#include "uia_tree/hresults.h"

namespace tidemark::uia_tree {

// One handed-out reference to a node.
class ElementProxy : public uia::Element {
public:
    ElementProxy(Tree& tree, NodePtr node);

    const NodePtr& node() const { return node_; }

    uia::Ref<uia::Element> FindFirst(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) override;
    uia::Ref<uia::ElementArray> FindAll(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition) override;
    uia::PropertyValue GetCurrentPropertyValue(uia::PropertyId id) override;
    uia::Ref<uia::Pattern> GetCurrentPattern(uia::PatternId id) override;
    std::string CurrentName() override;
    std::string CurrentClassName() override;
    std::string CurrentLocalizedControlType() override;
    bool CurrentIsEnabled() override;
    std::vector<std::int32_t> GetRuntimeId() override;
    void SetFocus() override;

private:
    // The matching present nodes in scope, in document order; at most one when `firstOnly`.
    std::vector<NodePtr> Search(uia::TreeScope scope, const uia::Ref<uia::Condition>& condition, bool firstOnly);

    Tree& tree_;
    NodePtr node_;
    LiveToken token_;
};

// A new reference to the node, or an empty one for no node.
uia::Ref<uia::Element> MakeElement(Tree& tree, const NodePtr& node);

}  // namespace tidemark::uia_tree
