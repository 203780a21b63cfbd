#include "sim/desktop.h"

#include <algorithm>
#include <cmath>

#include "common/wait_clock.h"

namespace tidemark::sim {

Desktop::Desktop(Clock& clock) : ownTree_(std::make_unique<uia_tree::Tree>()), tree_(*ownTree_), clock_(clock) {
    tree_.AddObserver(*this);
}

Desktop::Desktop(uia_tree::Tree& tree, Clock& clock) : tree_(tree), clock_(clock) { tree_.AddObserver(*this); }

Desktop::~Desktop() { tree_.RemoveObserver(*this); }

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

Desktop::NodeState& Desktop::StateOf(const Node& node) {
    // Nodes come and go: what is held of those gone is let go now and then.
    if (nodes_.size() > 2 * prunedAt_ + 64) {
        std::erase_if(nodes_, [](const auto& entry) { return entry.second.node.expired(); });
        prunedAt_ = nodes_.size();
    }
    const NodePtr alive = std::const_pointer_cast<Node>(node.shared_from_this());
    NodeState& state = nodes_[&node];
    if (state.node.lock() != alive) state = NodeState{.node = alive};  // a new node where a freed one was
    return state;
}

const Desktop::NodeState* Desktop::FindState(const Node* node) const {
    const auto found = nodes_.find(node);
    if (found == nodes_.end() || found->second.node.expired()) return nullptr;
    return &found->second;
}

void Desktop::AppearAfter(const NodePtr& node, double ms) {
    NodeState& state = StateOf(*node);
    const int appearing = ++state.appearing;
    node->SetShown(ms <= 0);
    if (ms <= 0 || std::isinf(ms)) return;
    After(ms, [this, weak = std::weak_ptr<Node>(node), appearing] {
        const NodePtr shown = weak.lock();
        if (shown && StateOf(*shown).appearing == appearing) shown->SetShown(true);
    });
}

void Desktop::StopAnswering(const NodePtr& node, HResult code, double forMs) {
    NodeState& state = StateOf(*node);
    state.silentCode = code;
    state.silentUntilMs = NowMs() + forMs;
}

void Desktop::AnswerAgain(const NodePtr& node) { StateOf(*node).silentCode = kSOk; }

void Desktop::WithholdPattern(const NodePtr& node, uia::PatternId pattern, double forMs) {
    StateOf(*node).withheldUntilMs[pattern] = NowMs() + forMs;
}

const ActionRecord& Desktop::Record(const NodePtr& node) const {
    static const ActionRecord kNothing;
    const NodeState* state = FindState(node.get());
    return state != nullptr ? state->record : kNothing;
}

bool Desktop::BeforeCall(const uia_tree::CallEvent& event) {
    RunDue();
    ++callCounts_[static_cast<std::size_t>(event.call)];
    for (auto fault = faults_.begin(); fault != faults_.end(); ++fault) {
        if (fault->call != event.call || (!fault->anyNode && fault->node.lock().get() != event.node)) continue;
        const HResult code = fault->code;
        if (fault->remaining > 0 && --fault->remaining == 0) faults_.erase(fault);
        if (code == kSOk) return false;
        throw PlatformError(code, std::string("sim: ") + CallName(event.call) + " made to fail");
    }
    // A node that is not there fails as such in the tree, whatever else it was told.
    if (event.node == nullptr || !event.node->Present()) return true;
    const NodeState* state = FindState(event.node);
    if (state == nullptr) return true;
    if (state->silentCode != kSOk && NowMs() < state->silentUntilMs) {
        throw PlatformError(state->silentCode,
                            std::string("sim: ") + CallName(event.call) + " on an element that does not answer");
    }
    if (event.call == Call::GetCurrentPattern) {
        const auto withheld = state->withheldUntilMs.find(event.number);
        if (withheld != state->withheldUntilMs.end() && NowMs() < withheld->second) return false;
    }
    return true;
}

void Desktop::AfterAction(const uia_tree::CallEvent& event) {
    if (event.node == nullptr || !recording_) return;
    ActionRecord& record = StateOf(*event.node).record;
    switch (event.call) {
        case Call::Invoke: ++record.invokeCount; break;
        case Call::Select: ++record.selectCount; break;
        case Call::Close: ++record.closeCount; break;
        case Call::SetFocus: ++record.focusCount; break;
        case Call::SetValue: record.setValues.emplace_back(event.text); break;
        case Call::SetWindowVisualState: record.visualStateCalls.push_back(event.number); break;
        default: break;
    }
}

}  // namespace tidemark::sim
