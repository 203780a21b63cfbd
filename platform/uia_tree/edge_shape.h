#pragma once

// Edge's own elements as UI Automation shows them: the top-level window, the
// chain of views under it, the tab strip, the tool bar with the address bar,
// and a contents pane per tab of which only the selected tab's is shown.
// What a tab's page shows is attached under its contents by whoever owns
// the pages.

#include <string>
#include <vector>

#include "uia_tree/tree.h"

namespace tidemark::uia_tree {

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

// A tab's two elements: its item in the strip and the pane its page shows in.
struct EdgeTabNodes {
    NodePtr item;      // "EdgeTab", SelectionItem
    NodePtr contents;  // "ContentsWebView"
    bool operator==(const EdgeTabNodes&) const = default;
};

class EdgeWindowShape {
public:
    // Builds the window as the first top-level window of the tree.
    EdgeWindowShape(Tree& tree, const EdgeLanguage& language);

    const NodePtr& node() const { return window_; }
    const NodePtr& browserView() const { return browserView_; }
    const NodePtr& addressEdit() const { return addressEdit_; }
    bool open() const { return !window_->removed(); }

    // A new last tab, not selected, its contents hidden.
    EdgeTabNodes AddTab();
    // Takes the tab's elements out of the tree.
    void RemoveTab(const EdgeTabNodes& tab);
    // Selects the tab and shows its contents and address; the other tabs'
    // contents are hidden.
    void Show(const EdgeTabNodes& tab, const std::string& address);
    // The window goes, as when the user closes it.
    void Remove();
    // Edge rebuilds its browser view: references to the old one fail, what
    // it held carries on under the new one.
    void ReplaceBrowserView();

private:
    NodePtr window_;
    NodePtr frameView_;
    NodePtr browserView_;
    NodePtr tabContainer_;
    NodePtr addressEdit_;
    NodePtr splitView_;
    std::vector<EdgeTabNodes> tabs_;
};

}  // namespace tidemark::uia_tree
