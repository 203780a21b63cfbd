#pragma once

#include "sim/desktop.h"

namespace tidemark::sim {

// The automation object of the simulated desktop.
class AutomationProxy : public uia::Automation {
public:
    explicit AutomationProxy(Desktop& desktop);

    uia::Ref<uia::Element> ElementFromHandle(uia::WindowHandle window) override;
    uia::Ref<uia::TreeWalker> ControlViewWalker() override;
    uia::Ref<uia::Condition> CreatePropertyCondition(uia::PropertyId id, const uia::PropertyValue& value) override;
    uia::Ref<uia::Condition> CreatePropertyConditionEx(uia::PropertyId id, const uia::PropertyValue& value,
                                                       std::int32_t flags) override;
    uia::Ref<uia::Condition> CreateAndCondition(const uia::Ref<uia::Condition>& first,
                                                const uia::Ref<uia::Condition>& second) override;
    uia::Ref<uia::Condition> CreateTrueCondition() override;

private:
    Desktop& desktop_;
    LiveToken token_;
};

}  // namespace tidemark::sim
