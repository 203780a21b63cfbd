#pragma once

// One window of the simulated Edge: Edge's shape, with the address and page
// each tab holds and the faults a real window brings.

#include <memory>
#include <string>
#include <vector>

#include "sim/desktop.h"
#include "sim/sim_edge_page.h"
#include "uia_tree/edge_shape.h"

namespace tidemark::sim {

using uia_tree::EdgeLanguage;

struct EdgeTab {
    NodePtr item;      // "EdgeTab" tab item
    NodePtr contents;  // the pane its page shows in
    std::string address;
    EdgePagePtr page;  // empty while loading
    int navigation = 0;
    uia_tree::EdgeTabNodes nodes() const { return {item, contents}; }
};
using EdgeTabPtr = std::shared_ptr<EdgeTab>;

class EdgeWindow {
public:
    // Builds the window as the first top-level window of the desktop.
    EdgeWindow(Desktop& desktop, const EdgeLanguage& language);

    const NodePtr& node() const { return shape_.node(); }
    const NodePtr& browserView() const { return shape_.browserView(); }
    const NodePtr& addressEdit() const { return shape_.addressEdit(); }
    const std::vector<EdgeTabPtr>& tabs() const { return tabs_; }
    EdgeTabPtr selectedTab() const;
    bool open() const { return shape_.open(); }

    // A new last tab, not yet selected, showing nothing.
    EdgeTabPtr AddTab();
    // Takes the tab and its contents off the desktop.
    void RemoveTab(const EdgeTabPtr& tab);
    // Shows the tab's contents and address; the others' go off the desktop.
    void Show(const EdgeTabPtr& tab);
    // Every later Close of the window fails.
    void RefuseClose();
    // The user closes the window.
    void CloseByUser() { shape_.Remove(); }
    void ReplaceBrowserView() { shape_.ReplaceBrowserView(); }

private:
    Desktop& desktop_;
    uia_tree::EdgeWindowShape shape_;
    std::vector<EdgeTabPtr> tabs_;
};
using EdgeWindowPtr = std::shared_ptr<EdgeWindow>;

}  // namespace tidemark::sim
