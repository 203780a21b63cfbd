#pragma once

// The conditions the automation object creates, evaluated on nodes.

#include "uia_tree/tree.h"

namespace tidemark::uia_tree {

class TreeCondition : public uia::Condition {
public:
    explicit TreeCondition(Tree& tree) : token_(tree.counts().conditions) {}
    virtual bool Matches(const Node& node) const = 0;

private:
    LiveToken token_;
};

class PropertyCondition : public TreeCondition {
public:
    // Throws E_INVALIDARG for a property the tree does not know or a value of the wrong kind.
    PropertyCondition(Tree& tree, uia::PropertyId id, uia::PropertyValue value, std::int32_t flags);
    bool Matches(const Node& node) const override;

private:
    uia::PropertyId id_;
    uia::PropertyValue value_;
    std::int32_t flags_;
};

class AndCondition : public TreeCondition {
public:
    AndCondition(Tree& tree, uia::Ref<TreeCondition> first, uia::Ref<TreeCondition> second);
    bool Matches(const Node& node) const override { return first_->Matches(node) && second_->Matches(node); }

private:
    uia::Ref<TreeCondition> first_;
    uia::Ref<TreeCondition> second_;
};

class TrueCondition : public TreeCondition {
public:
    using TreeCondition::TreeCondition;
    bool Matches(const Node&) const override { return true; }
};

}  // namespace tidemark::uia_tree
