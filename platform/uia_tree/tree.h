#pragma once

// An in-memory UI Automation tree: nodes under the desktop element, the
// handed-out objects still alive, and the observers of every call. Every
// element it hands out is a new object, as COM hands out new interface
// pointers. It keeps no time and records nothing of its own.

#include <cstdint>
#include <vector>

#include "uia/automation.h"
#include "uia_tree/call_observer.h"
#include "uia_tree/live_counts.h"
#include "uia_tree/node.h"

namespace tidemark::uia_tree {

class Tree {
public:
    static constexpr uia::WindowHandle kDesktopHandle = 0x10010;

    // `firstSerial` other than 1 only to try the serials' far end.
    explicit Tree(std::uint64_t firstSerial = 1);
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;

    const NodePtr& root() const { return root_; }
    uia::Ref<uia::Automation> CreateAutomation();

    // The observer must outlive the calls it sees, or be removed first.
    void AddObserver(CallObserver& observer);
    void RemoveObserver(CallObserver& observer);

    const LiveCounts& live() const { return live_; }

    // A new reference to the node, as UI Automation would hand one out.
    uia::Ref<uia::Element> ElementFor(const NodePtr& node);
    // The node behind an element a tree handed out; empty for any other.
    static NodePtr NodeOf(const uia::Ref<uia::Element>& element);
    // The present node with the window handle; empty when none.
    NodePtr FindByHandle(uia::WindowHandle handle) const;

    // For the handed-out objects. Every call starts here: the observers see
    // it, then a node that is not in the tree throws. False when the call is
    // to answer an empty reference.
    bool Enter(const CallEvent& event);
    bool Enter(Call call, const Node* node) { return Enter(CallEvent{call, node}); }
    void Acted(const CallEvent& event);
    LiveCounts& counts() { return live_; }
    std::uint64_t NextSerial() { return nextSerial_++; }

private:
    std::uint64_t nextSerial_;
    NodePtr root_;
    LiveCounts live_;
    std::vector<CallObserver*> observers_;
};

}  // namespace tidemark::uia_tree
