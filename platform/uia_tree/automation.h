#pragma once

#include "uia_tree/tree.h"

namespace tidemark::uia_tree {

// The automation object of an in-memory tree.
class AutomationProxy : public uia::Automation {
public:
    explicit AutomationProxy(Tree& tree);

    uia::Ref<uia::Element> ElementFromHandle(uia::WindowHandle window) override;
    uia::Ref<uia::TreeWalker> ControlViewWalker() override;
    uia::Ref<uia::Condition> CreatePropertyCondition(uia::PropertyId id, const uia::PropertyValue& value) override;
    uia::Ref<uia::Condition> CreatePropertyConditionEx(uia::PropertyId id, const uia::PropertyValue& value,
                                                       std::int32_t flags) override;
    uia::Ref<uia::Condition> CreateAndCondition(const uia::Ref<uia::Condition>& first,
                                                const uia::Ref<uia::Condition>& second) override;
    uia::Ref<uia::Condition> CreateTrueCondition() override;

private:
    Tree& tree_;
    LiveToken token_;
};

}  // namespace tidemark::uia_tree
