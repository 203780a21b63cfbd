#pragma once

// The conditions the simulated automation object creates, evaluated on nodes.

#include "sim/desktop.h"

namespace tidemark::sim {

class SimCondition : public uia::Condition {
public:
    explicit SimCondition(Desktop& desktop) : token_(desktop.counts().conditions) {}
    virtual bool Matches(const Node& node) const = 0;

private:
    LiveToken token_;
};

class PropertyCondition : public SimCondition {
public:
    // Throws E_INVALIDARG for a property the desktop does not know or a value of the wrong kind.
    PropertyCondition(Desktop& desktop, uia::PropertyId id, uia::PropertyValue value, std::int32_t flags);
    bool Matches(const Node& node) const override;

private:
    uia::PropertyId id_;
    uia::PropertyValue value_;
    std::int32_t flags_;
};

class AndCondition : public SimCondition {
public:
    AndCondition(Desktop& desktop, uia::Ref<SimCondition> first, uia::Ref<SimCondition> second);
    bool Matches(const Node& node) const override { return first_->Matches(node) && second_->Matches(node); }

private:
    uia::Ref<SimCondition> first_;
    uia::Ref<SimCondition> second_;
};

class TrueCondition : public SimCondition {
public:
    using SimCondition::SimCondition;
    bool Matches(const Node&) const override { return true; }
};

}  // namespace tidemark::sim
