#pragma once

// The simulated desktop behind UI Automation: a tree of nodes under the
// desktop element, the calls made on it, the faults it is told to show, and
// the handed-out objects still alive. Every element it hands out is a new
// object, as COM hands out new interface pointers.

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "common/platform.h"
#include "sim/calls.h"
#include "sim/live_counts.h"
#include "sim/node.h"

namespace tidemark::sim {

class Desktop {
public:
    static constexpr uia::WindowHandle kDesktopHandle = 0x10010;
    static constexpr int kAlways = -1;

    // Reads time from `clock`: virtual in tests, real in the Linux build.
    explicit Desktop(Clock& clock);
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    const NodePtr& root() const { return root_; }
    uia::Ref<uia::Automation> CreateAutomation();

    // Milliseconds on the wait clock.
    double NowMs() const;
    // Runs `change` at the first call into the desktop `ms` from now or later.
    void After(double ms, std::function<void()> change);
    void RunDue();

    // The next `times` calls of `call` (on `node` only, when given) fail with `code`.
    void Fail(Call call, HResult code = kEFail, int times = kAlways, const NodePtr& node = nullptr);
    // The next `times` calls of `call` succeed but answer an empty reference.
    void AnswerNothing(Call call, int times = kAlways, const NodePtr& node = nullptr) { Fail(call, kSOk, times, node); }
    void ClearFault(Call call);
    void ClearFaults();

    int calls(Call call) const { return callCounts_[static_cast<std::size_t>(call)]; }
    void ResetCallCounts() { callCounts_.fill(0); }
    const LiveCounts& live() const { return live_; }

    // Runs at the start of every call, before the node's answer is checked: a
    // layer that keeps the tree in step with a live application brings it up
    // to date here.
    void SetCallHook(std::function<void(Call, const Node*)> hook) { callHook_ = std::move(hook); }

    // A new reference to the node, as UI Automation would hand one out.
    uia::Ref<uia::Element> ElementFor(const NodePtr& node);
    // The node behind an element this desktop handed out; empty for any other.
    static NodePtr NodeOf(const uia::Ref<uia::Element>& element);
    // The present node with the window handle; empty when none.
    NodePtr FindByHandle(uia::WindowHandle handle) const;

    // For the handed-out objects. Every call starts here: due changes run,
    // the call is counted, then a fault or a node that does not answer throws.
    // False when the call is to answer an empty reference.
    bool Enter(Call call, const Node* node);
    LiveCounts& counts() { return live_; }
    int NextSerial() { return nextSerial_++; }

private:
    struct Fault {
        Call call;
        HResult code;
        int remaining;
        bool anyNode;
        std::weak_ptr<Node> node;
    };

    Clock& clock_;
    int nextSerial_ = 1;
    NodePtr root_;
    std::vector<Fault> faults_;
    std::array<int, kCallCount> callCounts_{};
    std::multimap<double, std::function<void()>> changes_;
    LiveCounts live_;
    std::function<void(Call, const Node*)> callHook_;
};

}  // namespace tidemark::sim
