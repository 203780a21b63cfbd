#pragma once

// One window of the simulated Edge: the chain of views under the top-level
// window, the tab strip, the tool bar with the address bar, and a contents
// pane per tab of which only the selected tab's is on the desktop.

#include <memory>
#include <string>
#include <vector>

#include "sim/desktop.h"
#include "sim/sim_edge_page.h"

namespace tidemark::sim {

// The Names a Japanese or an English Edge gives its own views.
struct EdgeLanguage {
    std::string windowType;  // LocalizedControlType
    std::string tabBar;
    std::string appBar;
    std::string addressBar;
    std::string newTabTitle;

    static const EdgeLanguage& Japanese();
    static const EdgeLanguage& English();
};

struct EdgeTab {
    NodePtr item;      // "EdgeTab" tab item
    NodePtr contents;  // the pane its page shows in
    std::string address;
    EdgePagePtr page;  // empty while loading
    int navigation = 0;
};
using EdgeTabPtr = std::shared_ptr<EdgeTab>;

class EdgeWindow {
public:
    // Builds the window as the first top-level window of the desktop.
    EdgeWindow(Desktop& desktop, const EdgeLanguage& language);

    const NodePtr& node() const { return window_; }
    const NodePtr& browserView() const { return browserView_; }
    const NodePtr& addressEdit() const { return addressEdit_; }
    const std::vector<EdgeTabPtr>& tabs() const { return tabs_; }
    EdgeTabPtr selectedTab() const;
    bool open() const { return !window_->removed(); }

    // A new last tab, not yet selected, showing nothing.
    EdgeTabPtr AddTab();
    // Takes the tab and its contents off the desktop.
    void RemoveTab(const EdgeTabPtr& tab);
    // Shows the tab's contents and address; the others' go off the desktop.
    void Show(const EdgeTabPtr& tab);
    // Every later Close of the window fails.
    void RefuseClose();
    // The user closes the window.
    void CloseByUser();
    // Edge rebuilds its browser view: references to the old one fail, what
    // it held carries on under the new one.
    void ReplaceBrowserView();

private:
    Desktop& desktop_;
    NodePtr window_;
    NodePtr frameView_;
    NodePtr browserView_;
    NodePtr tabContainer_;
    NodePtr addressEdit_;
    NodePtr splitView_;
    std::vector<EdgeTabPtr> tabs_;
};
using EdgeWindowPtr = std::shared_ptr<EdgeWindow>;

}  // namespace tidemark::sim
