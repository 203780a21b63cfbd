#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "chromium/control_view.h"
#include "uia_tree/tree.h"

namespace tidemark::chromium {

// The control view of one page, kept as elements of the UI Automation tree
// under the tab's contents pane. Each reading of the page updates the
// elements in place: an element stays the same element, with the same runtime
// id, as long as its accessibility node lives; one whose node has gone is
// taken out of the tree, so references to it fail as Edge's do.
class PageMirror {
public:
    struct Actions {
        // Invoke on a button or link: the DOM node it stands for.
        std::function<void(std::int64_t backendNodeId)> invoke;
        std::function<void(uia_tree::Node&)> focus;
    };

    PageMirror(uia_tree::Tree& tree, uia_tree::NodePtr contents, Actions actions);
    ~PageMirror();
    PageMirror(const PageMirror&) = delete;
    PageMirror& operator=(const PageMirror&) = delete;

    // Brings the elements in line with the page's control view. Another
    // document replaces the document element and everything under it.
    void Show(const ControlElement& view, const std::string& documentId);

    // Empty before the first Show.
    const uia_tree::NodePtr& document() const { return document_; }

private:
    std::vector<uia_tree::NodePtr> Build(const std::vector<ControlElement>& elements,
                                         std::unordered_map<std::string, uia_tree::NodePtr>& next);
    uia_tree::NodePtr Reuse(const ControlElement& element,
                            const std::unordered_map<std::string, uia_tree::NodePtr>& next);
    void Update(uia_tree::Node& node, const ControlElement& element);
    void DropDocument();

    uia_tree::Tree& tree_;
    uia_tree::NodePtr contents_;
    Actions actions_;
    uia_tree::NodePtr document_;
    std::string documentId_;
    std::unordered_map<std::string, uia_tree::NodePtr> nodes_;  // accessibility node id -> element
};

}  // namespace tidemark::chromium
