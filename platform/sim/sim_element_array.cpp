#include "sim/sim_element_array.h"

#include "sim/sim_element.h"

namespace tidemark::sim {

ElementArrayProxy::ElementArrayProxy(Desktop& desktop, std::vector<NodePtr> nodes)
    : desktop_(desktop), nodes_(std::move(nodes)), token_(desktop.counts().arrays) {}

std::int32_t ElementArrayProxy::Length() {
    desktop_.Enter(Call::ArrayLength, nullptr);
    return static_cast<std::int32_t>(nodes_.size());
}

uia::Ref<uia::Element> ElementArrayProxy::GetElement(std::int32_t index) {
    if (!desktop_.Enter(Call::ArrayGetElement, nullptr)) return nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= nodes_.size())
        throw PlatformError(kEInvalidArg, "sim: element array index out of range");
    return MakeElement(desktop_, nodes_[static_cast<std::size_t>(index)]);
}

}  // namespace tidemark::sim
