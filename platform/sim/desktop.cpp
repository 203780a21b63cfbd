#include "sim/desktop.h"

#include <algorithm>

#include "common/wait_clock.h"
#include "sim/sim_automation.h"
#include "sim/sim_element.h"

namespace tidemark::sim {

Desktop::Desktop(Clock& clock) : clock_(clock) {
    root_ = std::make_shared<Node>(
        *this, NodeSpec{.name = "デスクトップ 1", .className = "#32769", .handle = kDesktopHandle}, NextSerial());
}

uia::Ref<uia::Automation> Desktop::CreateAutomation() { return std::make_shared<AutomationProxy>(*this); }

double Desktop::NowMs() const { return ReadWaitClock(clock_) * 1000.0; }

void Desktop::After(double ms, std::function<void()> change) { changes_.emplace(NowMs() + ms, std::move(change)); }

void Desktop::RunDue() {
    // A change may schedule more; take each off the list before running it.
    while (!changes_.empty() && changes_.begin()->first <= NowMs()) {
        auto change = std::move(changes_.begin()->second);
        changes_.erase(changes_.begin());
        change();
    }
}

void Desktop::Fail(Call call, HResult code, int times, const NodePtr& node) {
    if (times == 0) return;
    faults_.push_back({call, code, times, node == nullptr, node});
}

void Desktop::ClearFault(Call call) {
    std::erase_if(faults_, [call](const Fault& fault) { return fault.call == call; });
}

void Desktop::ClearFaults() { faults_.clear(); }

uia::Ref<uia::Element> Desktop::ElementFor(const NodePtr& node) { return MakeElement(*this, node); }

NodePtr Desktop::NodeOf(const uia::Ref<uia::Element>& element) {
    const auto* proxy = dynamic_cast<const ElementProxy*>(element.get());
    return proxy ? proxy->node() : nullptr;
}

NodePtr Desktop::FindByHandle(uia::WindowHandle handle) const {
    std::vector<NodePtr> pending{root_};
    while (!pending.empty()) {
        NodePtr node = pending.back();
        pending.pop_back();
        if (node->handle == handle) return node;
        const auto children = node->PresentChildren();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return nullptr;
}

bool Desktop::Enter(Call call, const Node* node) {
    RunDue();
    if (callHook_) callHook_(call, node);
    ++callCounts_[static_cast<std::size_t>(call)];
    for (auto fault = faults_.begin(); fault != faults_.end(); ++fault) {
        if (fault->call != call || (!fault->anyNode && fault->node.lock().get() != node)) continue;
        const HResult code = fault->code;
        if (fault->remaining > 0 && --fault->remaining == 0) faults_.erase(fault);
        if (code == kSOk) return false;
        throw PlatformError(code, std::string("sim: ") + CallName(call) + " made to fail");
    }
    if (node == nullptr) return true;
    const HResult failure = node->Failure();
    if (failure != kSOk)
        throw PlatformError(failure, std::string("sim: ") + CallName(call) + " on an element that does not answer");
    return true;
}

}  // namespace tidemark::sim
