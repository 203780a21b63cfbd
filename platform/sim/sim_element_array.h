#pragma once

#include "sim/desktop.h"

namespace tidemark::sim {

// What FindAll found, as it was then; each GetElement hands out a new reference.
class ElementArrayProxy : public uia::ElementArray {
public:
    ElementArrayProxy(Desktop& desktop, std::vector<NodePtr> nodes);

    std::int32_t Length() override;
    uia::Ref<uia::Element> GetElement(std::int32_t index) override;

private:
    Desktop& desktop_;
    std::vector<NodePtr> nodes_;
    LiveToken token_;
};

}  // namespace tidemark::sim
