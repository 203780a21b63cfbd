#pragma once

// One element of the simulated desktop: what UI Automation reports of it,
// which patterns it carries, what the program did to it, and when it is
// there and answering. Tests build and change nodes directly.

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/platform_error.h"
#include "uia/automation.h"

namespace tidemark::sim {

class Desktop;
class Node;
using NodePtr = std::shared_ptr<Node>;

constexpr double kForever = std::numeric_limits<double>::infinity();

struct NodeSpec {
    std::string name{};
    uia::ControlType controlType = uia::control::Pane;
    std::string localizedControlType{};
    std::string automationId{};
    std::string className{};
    std::string legacyName{};
    bool enabled = true;
    std::vector<std::int32_t> runtimeId{};  // a unique six-part id when left empty
    uia::WindowHandle handle = 0;         // ElementFromHandle finds the node by it
    bool invoke = false;
    bool value = false;
    bool window = false;
    bool selectionItem = false;
};

class Node : public std::enable_shared_from_this<Node> {
public:
    Node(Desktop& desktop, NodeSpec spec, int serial);

    std::string name;
    uia::ControlType controlType;
    std::string localizedControlType;
    std::string automationId;
    std::string className;
    std::string legacyName;
    bool enabled;
    std::vector<std::int32_t> runtimeId;
    uia::WindowHandle handle;
    std::string value;                                     // Value pattern
    bool selected = false;                                 // SelectionItem pattern
    std::int32_t visualState = uia::visual_state::Normal;  // Window pattern
    bool canMaximize = true;
    bool canMinimize = true;
    bool closeRemoves = true;  // Close takes the window away, as a real window goes

    bool Supports(uia::PatternId pattern) const { return patterns_.count(pattern) != 0; }
    void SetPattern(uia::PatternId pattern, bool supported);
    // The availability property still says yes, but GetCurrentPattern gives
    // none for `forMs` of clock time: a pattern that comes late.
    void WithholdPattern(uia::PatternId pattern, double forMs);
    bool PatternWithheld(uia::PatternId pattern) const;

    // GetCurrentPropertyValue's answer, with UI Automation's defaults for a
    // property the element does not support.
    uia::PropertyValue Property(uia::PropertyId id) const;

    // The application behind the element; each runs after the default effect.
    std::function<void(Node&)> onInvoke;
    std::function<void(Node&)> onSelect;
    std::function<void(Node&, const std::string&)> onSetValue;
    std::function<void(Node&)> onClose;
    std::function<void(Node&, std::int32_t)> onVisualState;
    std::function<void(Node&)> onFocus;

    // What the program did to it.
    int invokeCount = 0;
    int selectCount = 0;
    int closeCount = 0;
    int focusCount = 0;
    std::vector<std::string> setValues;
    std::vector<std::int32_t> visualStateCalls;

    // Appended as the last child.
    NodePtr Add(NodeSpec spec);
    NodePtr Insert(std::size_t position, NodeSpec spec);
    // Takes the node and its subtree off the desktop; references to them then
    // fail as those of a closed window do.
    void Remove();
    // Takes the node and its subtree, as they are, to the end of `newParent`'s children.
    void MoveTo(const NodePtr& newParent);
    // Makes `children` this node's children, in that order, taking each from
    // wherever it was. Former children not among them are only let go: the
    // caller removes those that have left the tree with Discard.
    void SetChildren(std::vector<NodePtr> children);
    // Takes a node that is no longer anyone's child, and what it still holds, off the desktop.
    void Discard();
    NodePtr parent() const { return parent_.lock(); }
    const std::vector<NodePtr>& children() const { return children_; }
    // The children that are there now, in order.
    std::vector<NodePtr> PresentChildren() const;
    bool removed() const { return removed_; }

    // Neither findable nor walkable for `ms` of clock time from now.
    void AppearAfter(double ms);
    // Every call on the element fails with `code` for `forMs` of clock time.
    void StopAnswering(HResult code = kElementNotAvailable, double forMs = kForever);
    void AnswerAgain();
    // On the desktop now: not removed, appeared, and so are its ancestors.
    bool Present() const;
    // Not removed and appeared by then, whatever its ancestors.
    bool ShownAt(double nowMs) const { return !removed_ && nowMs >= appearsAtMs_; }
    // The code a call on the element fails with now, or kSOk when it answers.
    HResult Failure() const;

    Desktop& desktop() const { return desktop_; }

private:
    void MarkRemoved();

    Desktop& desktop_;
    std::weak_ptr<Node> parent_;
    std::vector<NodePtr> children_;
    bool removed_ = false;
    double appearsAtMs_ = -kForever;
    HResult silentCode_ = kSOk;
    double silentUntilMs_ = -kForever;
    std::set<uia::PatternId> patterns_;
    std::map<uia::PatternId, double> withheldUntilMs_;
};

}  // namespace tidemark::sim
