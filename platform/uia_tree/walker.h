#pragma once

#include "uia_tree/tree.h"
#include "uia_tree/hresults.h"

namespace tidemark::uia_tree {

// The control-view walker: every node of the tree is a control.
class WalkerProxy : public uia::TreeWalker {
public:
    explicit WalkerProxy(Tree& tree);

    uia::Ref<uia::Element> GetParentElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetPreviousSiblingElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetNextSiblingElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetFirstChildElement(const uia::Ref<uia::Element>& element) override;
    uia::Ref<uia::Element> GetLastChildElement(const uia::Ref<uia::Element>& element) override;

private:
    // The node of `element` after entering the call on it.
    NodePtr Enter(Call call, const uia::Ref<uia::Element>& element);
    // The present sibling `offset` places away (-1 previous, +1 next).
    uia::Ref<uia::Element> Sibling(Call call, const uia::Ref<uia::Element>& element, int offset);

    Tree& tree_;
    LiveToken token_;
};

}  // namespace tidemark::uia_tree
