#pragma once

#include <cstdint>
#include <string_view>

#include "uia_tree/calls.h"

namespace tidemark::uia_tree {

class Node;

// One call into the tree: on `node` when it is on an element, with the
// pattern id, visual state or text it carries.
struct CallEvent {
    Call call;
    const Node* node = nullptr;
    std::int32_t number = 0;
    std::string_view text{};
};

// Told of every call into the tree, in the order observers were added. A
// layer that keeps the tree in step with a live application brings it up
// to date here; a simulation makes calls fail or records them.
class CallObserver {
public:
    virtual ~CallObserver() = default;
    // Before the call looks at the tree. Throwing PlatformError fails the
    // call; false makes it answer an empty reference.
    virtual bool BeforeCall(const CallEvent& event) = 0;
    // After an action took effect (Invoke, Select, SetValue, Close,
    // SetWindowVisualState, SetFocus).
    virtual void AfterAction(const CallEvent& /*event*/) {}
};

}  // namespace tidemark::uia_tree
