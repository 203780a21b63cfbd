#pragma once

// The four patterns, each a new object per GetCurrentPattern, acting on the node.

#include "uia_tree/tree.h"

namespace tidemark::uia_tree {

class PatternBase {
public:
    PatternBase(Tree& tree, NodePtr node);

protected:
    // Enters the call on the node; returns it for the action.
    Node& Enter(CallEvent event);
    // Actions refuse a disabled element, as UI Automation does.
    Node& EnterEnabled(CallEvent event);
    // Tells the observers the action took effect.
    void Acted(Call call, Node& node, std::int32_t number = 0, std::string_view text = {});

private:
    Tree& tree_;
    NodePtr node_;
    LiveToken token_;
};

class InvokePatternProxy : public uia::InvokePattern, PatternBase {
public:
    using PatternBase::PatternBase;
    void Invoke() override;
};

class ValuePatternProxy : public uia::ValuePattern, PatternBase {
public:
    using PatternBase::PatternBase;
    void SetValue(const std::string& value) override;
};

class WindowPatternProxy : public uia::WindowPattern, PatternBase {
public:
    using PatternBase::PatternBase;
    void Close() override;
    void SetWindowVisualState(std::int32_t state) override;
    bool CurrentCanMaximize() override;
    bool CurrentCanMinimize() override;
};

class SelectionItemPatternProxy : public uia::SelectionItemPattern, PatternBase {
public:
    using PatternBase::PatternBase;
    bool CurrentIsSelected() override;
    void Select() override;
};

// A new pattern object of kind `id` on the node; empty for a kind the tree has not.
uia::Ref<uia::Pattern> MakePattern(Tree& tree, const NodePtr& node, uia::PatternId id);

}  // namespace tidemark::uia_tree
