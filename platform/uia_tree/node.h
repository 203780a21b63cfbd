#pragma once

// One element of an in-memory UI Automation tree: what UI Automation
// reports of it, which patterns it carries, the application behind its
// actions, and whether it is shown. Whoever owns the tree builds and
// changes nodes directly.

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "uia/automation.h"

namespace tidemark::uia_tree {

class Tree;
// The six-part runtime id of the node with the serial, unique for every serial.
std::vector<std::int32_t> RuntimeIdFor(std::uint64_t serial);

class Node;
using NodePtr = std::shared_ptr<Node>;

struct NodeSpec {
    std::string name{};
    uia::ControlType controlType = uia::control::Pane;
    std::string localizedControlType{};
    std::string automationId{};
    std::string className{};
    std::string legacyName{};
    bool enabled = true;
    std::vector<std::int32_t> runtimeId{};  // a unique six-part id when left empty
    uia::WindowHandle handle = 0;           // ElementFromHandle finds the node by it
    bool invoke = false;
    bool value = false;
    bool window = false;
    bool selectionItem = false;
};

class Node : public std::enable_shared_from_this<Node> {
public:
    Node(Tree& tree, NodeSpec spec, std::uint64_t serial);

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

    // Appended as the last child.
    NodePtr Add(NodeSpec spec);
    NodePtr Insert(std::size_t position, NodeSpec spec);
    // Takes the node and its subtree off the tree; references to them then
    // fail as those of a closed window do.
    void Remove();
    // Takes the node and its subtree, as they are, to the end of `newParent`'s children.
    void MoveTo(const NodePtr& newParent);
    // Makes `children` this node's children, in that order, taking each from
    // wherever it was. Former children not among them are only let go: the
    // caller removes those that have left the tree with Discard.
    void SetChildren(std::vector<NodePtr> children);
    // Takes a node that is no longer anyone's child, and what it still holds, off the tree.
    void Discard();
    NodePtr parent() const { return parent_.lock(); }
    const std::vector<NodePtr>& children() const { return children_; }
    // The children that are there now, in order.
    std::vector<NodePtr> PresentChildren() const;
    bool removed() const { return removed_; }

    // A hidden node is neither findable nor walkable, nor is anything under
    // it, and calls on it fail as on a node that has gone; shown again, it
    // is the same element.
    void SetShown(bool shown) { shown_ = shown; }
    // In the tree now: not removed, shown, and so are its ancestors.
    bool Present() const;
    // Not removed and shown, whatever its ancestors.
    bool Shown() const { return !removed_ && shown_; }

    Tree& tree() const { return tree_; }

private:
    void MarkRemoved();

    Tree& tree_;
    std::weak_ptr<Node> parent_;
    std::vector<NodePtr> children_;
    bool removed_ = false;
    bool shown_ = true;
    std::set<uia::PatternId> patterns_;
};

}  // namespace tidemark::uia_tree
