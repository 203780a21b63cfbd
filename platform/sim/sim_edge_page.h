#pragma once

// A page as a tab of the simulated Edge shows it. Pages build their elements
// under the document and change them over the clock; whatever they schedule
// holds the page weakly, so it stops once the tab shows another page.

#include <functional>
#include <memory>
#include <string>

#include "sim/desktop.h"

namespace tidemark::sim {

class EdgePage {
public:
    EdgePage(Desktop& onDesktop, NodePtr documentNode, NodePtr tabItem, std::string shownAddress)
        : desktop(onDesktop),
          document(std::move(documentNode)),
          address(std::move(shownAddress)),
          tabItem_(std::move(tabItem)) {}

    // The page title: the document's Name and the tab's.
    void SetTitle(const std::string& title) {
        document->name = title;
        tabItem_->name = title;
    }
    // Still shown in its tab.
    bool Showing() const { return !document->removed(); }
    // Another page takes this one's place in the tab (a redirect, a script
    // that replaces the page): the document goes, a blank one titled `title` comes.
    void ReplaceDocument(const std::string& title) {
        const NodePtr contents = document->parent();
        if (!contents) return;
        document->Remove();
        contents->Add({.name = title, .controlType = uia::control::Document, .automationId = "RootWebArea"});
        tabItem_->name = title;
    }

    Desktop& desktop;
    const NodePtr document;  // "RootWebArea"
    const std::string address;

private:
    NodePtr tabItem_;
};

using EdgePagePtr = std::shared_ptr<EdgePage>;
// Builds a page and sets its title; runs when the page has loaded.
using PageBuilder = std::function<void(const EdgePagePtr& page)>;

}  // namespace tidemark::sim
