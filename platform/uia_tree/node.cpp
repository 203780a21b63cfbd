#include "uia_tree/node.h"

#include <algorithm>
#include <stdexcept>

#include "uia_tree/tree.h"

namespace tidemark::uia_tree {

std::vector<std::int32_t> RuntimeIdFor(std::uint64_t serial) {
    // The second part is read as the element's handle and the sixth as its id, both non-zero;
    // the whole serial is in the fourth and fifth, so that no two nodes share an id in 2^64.
    constexpr std::uint64_t kHandles = 0x7FFFFFFF - 0x10000;
    constexpr std::uint64_t kIds = 0x7FFFFFFF - 1000;
    return {42,
            static_cast<std::int32_t>(0x10000 + serial % kHandles),
            4,
            static_cast<std::int32_t>(static_cast<std::uint32_t>(serial >> 32)),
            static_cast<std::int32_t>(static_cast<std::uint32_t>(serial)),
            static_cast<std::int32_t>(1000 + serial % kIds)};
}

Node::Node(Tree& tree, NodeSpec spec, std::uint64_t serial)
    : name(std::move(spec.name)),
      controlType(spec.controlType),
      localizedControlType(std::move(spec.localizedControlType)),
      automationId(std::move(spec.automationId)),
      className(std::move(spec.className)),
      legacyName(std::move(spec.legacyName)),
      enabled(spec.enabled),
      runtimeId(std::move(spec.runtimeId)),
      handle(spec.handle),
      tree_(tree) {
    if (runtimeId.empty()) runtimeId = RuntimeIdFor(serial);
    if (spec.invoke) patterns_.insert(uia::pattern::Invoke);
    if (spec.value) patterns_.insert(uia::pattern::Value);
    if (spec.window) patterns_.insert(uia::pattern::Window);
    if (spec.selectionItem) patterns_.insert(uia::pattern::SelectionItem);
}

void Node::SetPattern(uia::PatternId pattern, bool supported) {
    if (supported)
        patterns_.insert(pattern);
    else
        patterns_.erase(pattern);
}

uia::PropertyValue Node::Property(uia::PropertyId id) const {
    namespace property = uia::property;
    namespace pattern = uia::pattern;
    switch (id) {
        case property::ControlType: return controlType;
        case property::LocalizedControlType: return localizedControlType;
        case property::Name: return name;
        case property::AutomationId: return automationId;
        case property::ClassName: return className;
        case property::LegacyIAccessibleName: return legacyName;
        case property::IsInvokePatternAvailable: return Supports(pattern::Invoke);
        case property::IsSelectionItemPatternAvailable: return Supports(pattern::SelectionItem);
        case property::IsValuePatternAvailable: return Supports(pattern::Value);
        case property::IsWindowPatternAvailable: return Supports(pattern::Window);
        case property::ValueValue: return Supports(pattern::Value) ? value : std::string();
        case property::WindowVisualState: return Supports(pattern::Window) ? visualState : uia::visual_state::Normal;
        case property::SelectionItemIsSelected: return Supports(pattern::SelectionItem) && selected;
        default: return std::monostate{};
    }
}

NodePtr Node::Add(NodeSpec spec) { return Insert(children_.size(), std::move(spec)); }

NodePtr Node::Insert(std::size_t position, NodeSpec spec) {
    auto child = std::make_shared<Node>(tree_, std::move(spec), tree_.NextSerial());
    child->parent_ = weak_from_this();
    child->removed_ = removed_;
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(std::min(position, children_.size())), child);
    return child;
}

void Node::Remove() {
    const NodePtr owner = parent();
    if (!owner) throw std::logic_error("the tree itself cannot be removed");
    const NodePtr self = shared_from_this();  // keeps this alive while it leaves its parent
    auto& siblings = owner->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
    parent_.reset();
    MarkRemoved();
}

void Node::MoveTo(const NodePtr& newParent) {
    const NodePtr owner = parent();
    if (!owner || !newParent) throw std::logic_error("only a node in the tree moves, and only to a node");
    const NodePtr self = shared_from_this();
    auto& siblings = owner->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
    newParent->children_.push_back(self);
    parent_ = newParent;
}

void Node::SetChildren(std::vector<NodePtr> children) {
    const NodePtr self = shared_from_this();
    for (const NodePtr& child : children_)
        if (child->parent_.lock() == self) child->parent_.reset();
    for (const NodePtr& child : children) {
        if (const NodePtr owner = child->parent(); owner && owner != self) {
            auto& siblings = owner->children_;
            siblings.erase(std::remove(siblings.begin(), siblings.end(), child), siblings.end());
        }
        child->parent_ = self;
        child->removed_ = removed_;
    }
    children_ = std::move(children);
}

void Node::Discard() {
    if (const NodePtr owner = parent()) {
        Remove();
        return;
    }
    MarkRemoved();
}

void Node::MarkRemoved() {
    // Without recursion: a page may nest its elements as deep as it likes.
    std::vector<Node*> left = {this};
    while (!left.empty()) {
        Node* node = left.back();
        left.pop_back();
        node->removed_ = true;
        for (const NodePtr& child : node->children_) left.push_back(child.get());
    }
}

std::vector<NodePtr> Node::PresentChildren() const {
    std::vector<NodePtr> present;
    if (!Present()) return present;
    for (const NodePtr& child : children_)
        if (child->Shown()) present.push_back(child);
    return present;
}

bool Node::Present() const {
    for (const Node* node = this; node != nullptr;) {
        if (!node->Shown()) return false;
        const NodePtr owner = node->parent();
        node = owner.get();  // the owner stays alive: it is in the tree, or this would be removed
    }
    return true;
}

}  // namespace tidemark::uia_tree
