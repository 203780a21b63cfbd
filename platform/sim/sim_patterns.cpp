#include "sim/sim_patterns.h"

#include "sim/sim_hresults.h"

namespace tidemark::sim {

PatternBase::PatternBase(Desktop& desktop, NodePtr node)
    : desktop_(desktop), node_(std::move(node)), token_(desktop.counts().patterns) {}

Node& PatternBase::Enter(Call call) {
    desktop_.Enter(call, node_.get());
    return *node_;
}

Node& PatternBase::EnterEnabled(Call call) {
    Node& node = Enter(call);
    if (!node.enabled) throw PlatformError(kElementNotEnabled, "sim: the element is not enabled");
    return node;
}

void SimInvokePattern::Invoke() {
    Node& node = EnterEnabled(Call::Invoke);
    ++node.invokeCount;
    if (node.onInvoke) node.onInvoke(node);
}

void SimValuePattern::SetValue(const std::string& value) {
    Node& node = EnterEnabled(Call::SetValue);
    node.setValues.push_back(value);
    node.value = value;
    if (node.onSetValue) node.onSetValue(node, value);
}

void SimWindowPattern::Close() {
    Node& node = Enter(Call::Close);
    ++node.closeCount;
    if (node.onClose) node.onClose(node);
    if (node.closeRemoves && !node.removed()) node.Remove();
}

void SimWindowPattern::SetWindowVisualState(std::int32_t state) {
    Node& node = Enter(Call::SetWindowVisualState);
    node.visualStateCalls.push_back(state);
    const bool allowed = state == uia::visual_state::Normal || (state == uia::visual_state::Maximized && node.canMaximize) ||
                         (state == uia::visual_state::Minimized && node.canMinimize);
    if (!allowed) throw PlatformError(kInvalidOperation, "sim: the window cannot take that state");
    node.visualState = state;
    if (node.onVisualState) node.onVisualState(node, state);
}

bool SimWindowPattern::CurrentCanMaximize() { return Enter(Call::CurrentCanMaximize).canMaximize; }

bool SimWindowPattern::CurrentCanMinimize() { return Enter(Call::CurrentCanMinimize).canMinimize; }

bool SimSelectionItemPattern::CurrentIsSelected() { return Enter(Call::CurrentIsSelected).selected; }

void SimSelectionItemPattern::Select() {
    Node& node = EnterEnabled(Call::Select);
    ++node.selectCount;
    // One selected item per container, as in a tab strip.
    if (const NodePtr owner = node.parent())
        for (const NodePtr& sibling : owner->children())
            if (sibling->Supports(uia::pattern::SelectionItem)) sibling->selected = false;
    node.selected = true;
    if (node.onSelect) node.onSelect(node);
}

uia::Ref<uia::Pattern> MakePattern(Desktop& desktop, const NodePtr& node, uia::PatternId id) {
    switch (id) {
        case uia::pattern::Invoke: return std::make_shared<SimInvokePattern>(desktop, node);
        case uia::pattern::Value: return std::make_shared<SimValuePattern>(desktop, node);
        case uia::pattern::Window: return std::make_shared<SimWindowPattern>(desktop, node);
        case uia::pattern::SelectionItem: return std::make_shared<SimSelectionItemPattern>(desktop, node);
        default: return nullptr;
    }
}

}  // namespace tidemark::sim
