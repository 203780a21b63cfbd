#pragma once

// The simulated desktop: an in-memory UI Automation tree read on a clock
// (virtual in tests, real for the Linux build's demonstration), with the
// faults it is told to show, changes that come in time, and a record of
// what the program did to each element. It watches the tree's calls as an
// observer; the tree itself keeps no time and records nothing.

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/platform.h"
#include "uia_tree/tree.h"

namespace tidemark::sim {

using uia_tree::Call;
using uia_tree::CallName;
using uia_tree::kCallCount;
using uia_tree::LiveCounts;
using uia_tree::Node;
using uia_tree::NodePtr;
using uia_tree::NodeSpec;

constexpr double kForever = std::numeric_limits<double>::infinity();

// What the program did to one element.
struct ActionRecord {
    int invokeCount = 0;
    int selectCount = 0;
    int closeCount = 0;
    int focusCount = 0;
    std::vector<std::string> setValues;
    std::vector<std::int32_t> visualStateCalls;
};

class Desktop : public uia_tree::CallObserver {
public:
    static constexpr uia::WindowHandle kDesktopHandle = uia_tree::Tree::kDesktopHandle;
    static constexpr int kAlways = -1;

    // On a tree of its own.
    explicit Desktop(Clock& clock);
    // On a tree that another owns and that outlives this.
    Desktop(uia_tree::Tree& tree, Clock& clock);
    ~Desktop() override;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    uia_tree::Tree& tree() { return tree_; }
    const NodePtr& root() const { return tree_.root(); }
    uia::Ref<uia::Automation> CreateAutomation() { return tree_.CreateAutomation(); }
    const LiveCounts& live() const { return tree_.live(); }
    uia::Ref<uia::Element> ElementFor(const NodePtr& node) { return tree_.ElementFor(node); }
    static NodePtr NodeOf(const uia::Ref<uia::Element>& element) { return uia_tree::Tree::NodeOf(element); }
    NodePtr FindByHandle(uia::WindowHandle handle) const { return tree_.FindByHandle(handle); }

    // Milliseconds on the wait clock.
    double NowMs() const;
    // Runs `change` at the first call into the tree `ms` from now or later.
    void After(double ms, std::function<void()> change);
    void RunDue();

    // The next `times` calls of `call` (on `node` only, when given) fail with `code`.
    void Fail(Call call, HResult code = kEFail, int times = kAlways, const NodePtr& node = nullptr);
    // The next `times` calls of `call` succeed but answer an empty reference.
    void AnswerNothing(Call call, int times = kAlways, const NodePtr& node = nullptr) { Fail(call, kSOk, times, node); }
    void ClearFault(Call call);
    void ClearFaults();

    // Hidden now, and shown again `ms` from now (never, for kForever).
    void AppearAfter(const NodePtr& node, double ms);
    // Every call on the element fails with `code` for `forMs` of clock time.
    void StopAnswering(const NodePtr& node, HResult code = kElementNotAvailable, double forMs = kForever);
    void AnswerAgain(const NodePtr& node);
    // The availability property still says yes, but GetCurrentPattern gives
    // none for `forMs` of clock time: a pattern that comes late.
    void WithholdPattern(const NodePtr& node, uia::PatternId pattern, double forMs);

    std::int64_t calls(Call call) const { return callCounts_[static_cast<std::size_t>(call)]; }
    void ResetCallCounts() { callCounts_.fill(0); }
    // Off for a demonstration that runs for months; on for tests.
    void RecordActions(bool on) { recording_ = on; }
    const ActionRecord& Record(const NodePtr& node) const;

    bool BeforeCall(const uia_tree::CallEvent& event) override;
    void AfterAction(const uia_tree::CallEvent& event) override;

private:
    struct Fault {
        Call call;
        HResult code;
        int remaining;
        bool anyNode;
        std::weak_ptr<Node> node;
    };
    // What the simulation holds of one node, for as long as the node lives.
    struct NodeState {
        std::weak_ptr<Node> node;
        int appearing = 0;  // the latest AppearAfter; an older one's change does nothing
        HResult silentCode = kSOk;
        double silentUntilMs = -kForever;
        std::map<uia::PatternId, double> withheldUntilMs{};
        ActionRecord record{};
    };
    NodeState& StateOf(const Node& node);
    const NodeState* FindState(const Node* node) const;

    std::unique_ptr<uia_tree::Tree> ownTree_;
    uia_tree::Tree& tree_;
    Clock& clock_;
    std::vector<Fault> faults_;
    std::array<std::int64_t, kCallCount> callCounts_{};
    std::multimap<double, std::function<void()>> changes_;
    std::map<const Node*, NodeState> nodes_;
    std::size_t prunedAt_ = 0;  // how many were held after the last pruning
    bool recording_ = true;
};

}  // namespace tidemark::sim
