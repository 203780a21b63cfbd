#include "sim/sim_edge_window.h"

#include <algorithm>

#include "uia_tree/hresults.h"

namespace tidemark::sim {

EdgeWindow::EdgeWindow(Desktop& desktop, const EdgeLanguage& language)
    : desktop_(desktop), shape_(desktop.tree(), language) {}

EdgeTabPtr EdgeWindow::selectedTab() const {
    for (const EdgeTabPtr& tab : tabs_)
        if (tab->item->selected) return tab;
    return nullptr;
}

EdgeTabPtr EdgeWindow::AddTab() {
    const uia_tree::EdgeTabNodes nodes = shape_.AddTab();
    auto tab = std::make_shared<EdgeTab>();
    tab->item = nodes.item;
    tab->contents = nodes.contents;
    tabs_.push_back(tab);
    return tab;
}

void EdgeWindow::RemoveTab(const EdgeTabPtr& tab) {
    tabs_.erase(std::remove(tabs_.begin(), tabs_.end(), tab), tabs_.end());
    shape_.RemoveTab(tab->nodes());
}

void EdgeWindow::Show(const EdgeTabPtr& shown) { shape_.Show(shown->nodes(), shown->address); }

void EdgeWindow::RefuseClose() { desktop_.Fail(Call::Close, uia_tree::kInvalidOperation, Desktop::kAlways, node()); }

}  // namespace tidemark::sim
