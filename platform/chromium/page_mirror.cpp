#include "chromium/page_mirror.h"

namespace tidemark::chromium {

namespace {
bool IsInvokable(uia::ControlType type) {
    return type == control::Button || type == control::Hyperlink || type == control::MenuItem;
}
}  // namespace

PageMirror::PageMirror(uia_tree::Tree& tree, uia_tree::NodePtr contents, Actions actions)
    : tree_(tree), contents_(std::move(contents)), actions_(std::move(actions)) {}

PageMirror::~PageMirror() { DropDocument(); }

void PageMirror::DropDocument() {
    if (document_ && !document_->removed()) document_->Discard();
    for (auto& [id, node] : nodes_)
        if (!node->removed()) node->Discard();
    nodes_.clear();
    document_.reset();
}

void PageMirror::Show(const ControlElement& view, const std::string& documentId) {
    if (!document_ || documentId_ != documentId || document_->removed()) {
        DropDocument();
        document_ = contents_->Add({.controlType = uia::control::Document, .automationId = "RootWebArea"});
        if (actions_.focus) document_->onFocus = actions_.focus;
        documentId_ = documentId;
    }
    document_->name = view.name;
    document_->legacyName = view.name;

    std::unordered_map<std::string, uia_tree::NodePtr> next;
    document_->SetChildren(Build(view.children, next));
    for (auto& [id, node] : nodes_)
        if (!next.contains(id) && !node->removed()) node->Discard();
    nodes_ = std::move(next);
}

std::vector<uia_tree::NodePtr> PageMirror::Build(const std::vector<ControlElement>& elements,
                                                 std::unordered_map<std::string, uia_tree::NodePtr>& next) {
    std::vector<uia_tree::NodePtr> built;
    built.reserve(elements.size());
    for (const ControlElement& element : elements) {
        uia_tree::NodePtr node = Reuse(element, next);
        if (!node) node = std::make_shared<uia_tree::Node>(tree_, uia_tree::NodeSpec{}, tree_.NextSerial());
        Update(*node, element);
        // A node the page shows twice (a malformed tree) is a second element, kept under a key
        // no later reading matches, so that it is discarded when it goes.
        if (!next.emplace(element.axNodeId, node).second)
            next.emplace(element.axNodeId + "#" + std::to_string(next.size()), node);
        node->SetChildren(Build(element.children, next));
        built.push_back(std::move(node));
    }
    return built;
}

uia_tree::NodePtr PageMirror::Reuse(const ControlElement& element,
                                    const std::unordered_map<std::string, uia_tree::NodePtr>& next) {
    if (element.axNodeId.empty() || next.contains(element.axNodeId)) return nullptr;
    const auto found = nodes_.find(element.axNodeId);
    if (found == nodes_.end() || found->second->removed()) return nullptr;
    // A node that changed its kind is another element to UI Automation.
    return found->second->controlType == element.controlType ? found->second : nullptr;
}

void PageMirror::Update(uia_tree::Node& node, const ControlElement& element) {
    node.controlType = element.controlType;
    node.name = element.name;
    node.legacyName = element.name;
    node.automationId = element.automationId;
    node.className = element.className;
    const bool invokable = IsInvokable(element.controlType) && element.backendNodeId.has_value();
    node.SetPattern(uia::pattern::Invoke, invokable);
    if (invokable && actions_.invoke) {
        node.onInvoke = [invoke = actions_.invoke, backend = *element.backendNodeId](uia_tree::Node&) {
            invoke(backend);
        };
    } else {
        node.onInvoke = nullptr;
    }
    if (actions_.focus) node.onFocus = actions_.focus;
}

}  // namespace tidemark::chromium
