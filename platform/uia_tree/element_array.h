#pragma once

#include "uia_tree/tree.h"

namespace tidemark::uia_tree {

// What FindAll found, as it was then; each GetElement hands out a new reference.
class ElementArrayProxy : public uia::ElementArray {
public:
    ElementArrayProxy(Tree& tree, std::vector<NodePtr> nodes);

    std::int32_t Length() override;
    uia::Ref<uia::Element> GetElement(std::int32_t index) override;

private:
    Tree& tree_;
    std::vector<NodePtr> nodes_;
    LiveToken token_;
};

}  // namespace tidemark::uia_tree
