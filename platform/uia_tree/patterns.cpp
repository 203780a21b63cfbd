#include "uia_tree/patterns.h"

#include "uia_tree/hresults.h"

namespace tidemark::uia_tree {

PatternBase::PatternBase(Tree& tree, NodePtr node)
    : tree_(tree), node_(std::move(node)), token_(tree.counts().patterns) {}

Node& PatternBase::Enter(CallEvent event) {
    event.node = node_.get();
    tree_.Enter(event);
    return *node_;
}

void PatternBase::Acted(Call call, Node& node, std::int32_t number, std::string_view text) {
    tree_.Acted({call, &node, number, text});
}

Node& PatternBase::EnterEnabled(CallEvent event) {
    Node& node = Enter(event);
    if (!node.enabled) throw PlatformError(kElementNotEnabled, "uia tree: the element is not enabled");
    return node;
}

void InvokePatternProxy::Invoke() {
    Node& node = EnterEnabled({Call::Invoke});
    if (node.onInvoke) node.onInvoke(node);
    Acted(Call::Invoke, node);
}

void ValuePatternProxy::SetValue(const std::string& value) {
    Node& node = EnterEnabled({Call::SetValue, nullptr, 0, value});
    node.value = value;
    if (node.onSetValue) node.onSetValue(node, value);
    Acted(Call::SetValue, node, 0, value);
}

void WindowPatternProxy::Close() {
    Node& node = Enter({Call::Close});
    if (node.onClose) node.onClose(node);
    if (node.closeRemoves && !node.removed()) node.Remove();
    Acted(Call::Close, node);
}

void WindowPatternProxy::SetWindowVisualState(std::int32_t state) {
    Node& node = Enter({Call::SetWindowVisualState, nullptr, state});
    const bool allowed = state == uia::visual_state::Normal ||
                         (state == uia::visual_state::Maximized && node.canMaximize) ||
                         (state == uia::visual_state::Minimized && node.canMinimize);
    if (!allowed) throw PlatformError(kInvalidOperation, "uia tree: the window cannot take that state");
    node.visualState = state;
    if (node.onVisualState) node.onVisualState(node, state);
    Acted(Call::SetWindowVisualState, node, state);
}

bool WindowPatternProxy::CurrentCanMaximize() { return Enter({Call::CurrentCanMaximize}).canMaximize; }

bool WindowPatternProxy::CurrentCanMinimize() { return Enter({Call::CurrentCanMinimize}).canMinimize; }

bool SelectionItemPatternProxy::CurrentIsSelected() { return Enter({Call::CurrentIsSelected}).selected; }

void SelectionItemPatternProxy::Select() {
    Node& node = EnterEnabled({Call::Select});
    // One selected item per container, as in a tab strip.
    if (const NodePtr owner = node.parent())
        for (const NodePtr& sibling : owner->children())
            if (sibling->Supports(uia::pattern::SelectionItem)) sibling->selected = false;
    node.selected = true;
    if (node.onSelect) node.onSelect(node);
    Acted(Call::Select, node);
}

uia::Ref<uia::Pattern> MakePattern(Tree& tree, const NodePtr& node, uia::PatternId id) {
    switch (id) {
        case uia::pattern::Invoke: return std::make_shared<InvokePatternProxy>(tree, node);
        case uia::pattern::Value: return std::make_shared<ValuePatternProxy>(tree, node);
        case uia::pattern::Window: return std::make_shared<WindowPatternProxy>(tree, node);
        case uia::pattern::SelectionItem: return std::make_shared<SelectionItemPatternProxy>(tree, node);
        default: return nullptr;
    }
}

}  // namespace tidemark::uia_tree
