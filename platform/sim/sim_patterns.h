#pragma once

// The four patterns, each a new object per GetCurrentPattern, acting on the node.

#include "sim/desktop.h"

namespace tidemark::sim {

class PatternBase {
public:
    PatternBase(Desktop& desktop, NodePtr node);

protected:
    // Enters the call on the node; returns it for the action.
    Node& Enter(Call call);
    // Actions refuse a disabled element, as UI Automation does.
    Node& EnterEnabled(Call call);

private:
    Desktop& desktop_;
    NodePtr node_;
    LiveToken token_;
};

class SimInvokePattern : public uia::InvokePattern, PatternBase {
public:
    using PatternBase::PatternBase;
    void Invoke() override;
};

class SimValuePattern : public uia::ValuePattern, PatternBase {
public:
    using PatternBase::PatternBase;
    void SetValue(const std::string& value) override;
};

class SimWindowPattern : public uia::WindowPattern, PatternBase {
public:
    using PatternBase::PatternBase;
    void Close() override;
    void SetWindowVisualState(std::int32_t state) override;
    bool CurrentCanMaximize() override;
    bool CurrentCanMinimize() override;
};

class SimSelectionItemPattern : public uia::SelectionItemPattern, PatternBase {
public:
    using PatternBase::PatternBase;
    bool CurrentIsSelected() override;
    void Select() override;
};

// A new pattern object of kind `id` on the node; empty for a kind the desktop has not.
uia::Ref<uia::Pattern> MakePattern(Desktop& desktop, const NodePtr& node, uia::PatternId id);

}  // namespace tidemark::sim
