#include "uia_tree/tree.h"

#include <algorithm>

#include "uia_tree/automation.h"
#include "uia_tree/element.h"

namespace tidemark::uia_tree {

Tree::Tree(std::uint64_t firstSerial) : nextSerial_(firstSerial) {
    root_ = std::make_shared<Node>(
        *this, NodeSpec{.name = "デスクトップ 1", .className = "#32769", .handle = kDesktopHandle}, NextSerial());
}

uia::Ref<uia::Automation> Tree::CreateAutomation() { return std::make_shared<AutomationProxy>(*this); }

void Tree::AddObserver(CallObserver& observer) { observers_.push_back(&observer); }

void Tree::RemoveObserver(CallObserver& observer) { std::erase(observers_, &observer); }

uia::Ref<uia::Element> Tree::ElementFor(const NodePtr& node) { return MakeElement(*this, node); }

NodePtr Tree::NodeOf(const uia::Ref<uia::Element>& element) {
    const auto* proxy = dynamic_cast<const ElementProxy*>(element.get());
    return proxy ? proxy->node() : nullptr;
}

NodePtr Tree::FindByHandle(uia::WindowHandle handle) const {
    std::vector<NodePtr> pending{root_};
    while (!pending.empty()) {
        NodePtr node = pending.back();
        pending.pop_back();
        if (node->handle == handle) return node;
        const auto children = node->PresentChildren();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return nullptr;
}

bool Tree::Enter(const CallEvent& event) {
    // An observer may add or remove observers while it runs.
    const std::vector<CallObserver*> observers = observers_;
    for (CallObserver* observer : observers) {
        if (!observer->BeforeCall(event)) return false;
    }
    if (event.node != nullptr && !event.node->Present()) {
        throw PlatformError(kElementNotAvailable,
                            std::string("uia tree: ") + CallName(event.call) + " on an element that is not there");
    }
    return true;
}

void Tree::Acted(const CallEvent& event) {
    const std::vector<CallObserver*> observers = observers_;
    for (CallObserver* observer : observers) observer->AfterAction(event);
}

}  // namespace tidemark::uia_tree
