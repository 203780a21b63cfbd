#include "chromium/control_view.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace tidemark::chromium {

namespace {

// What a role becomes. A plain container is an element only when its markup
// gives it an id or a class: otherwise it is one of the page's layout wrappers.
enum class Kind { Plain, Element, Dropped };

struct RoleRule {
    Kind kind = Kind::Plain;
    uia::ControlType type = control::Group;
    // Children are drawn inside the control (an edit's text, a button's label).
    bool hidesChildren = false;
    // The text inside is the element's Name, so it is not repeated as Text elements.
    bool namedByContent = false;
};

RoleRule RuleFor(std::string_view role) {
    using C = uia::ControlType;
    const auto element = [](C type) { return RoleRule{Kind::Element, type, false, false}; };
    const auto leaf = [](C type) { return RoleRule{Kind::Element, type, true, true}; };
    const auto named = [](C type) { return RoleRule{Kind::Element, type, false, true}; };

    if (role == "InlineTextBox" || role == "ListMarker") return {Kind::Dropped};
    if (role == "button" || role == "ToggleButton" || role == "PopUpButton" || role == "switch") {
        return leaf(control::Button);
    }
    if (role == "checkbox" || role == "menuitemcheckbox") return leaf(control::CheckBox);
    if (role == "radio" || role == "menuitemradio") return leaf(control::RadioButton);
    if (role == "textbox" || role == "searchbox" || role == "spinbutton") return leaf(control::Edit);
    if (role == "combobox" || role == "ComboBoxSelect" || role == "ComboBoxMenuButton") return leaf(control::ComboBox);
    if (role == "image" || role == "img") return leaf(control::Image);
    if (role == "progressbar" || role == "meter") return leaf(control::ProgressBar);
    if (role == "slider") return leaf(control::Slider);
    if (role == "scrollbar") return leaf(control::ScrollBar);
    if (role == "separator" || role == "splitter") return leaf(control::Separator);
    if (role == "link") return named(control::Hyperlink);
    if (role == "heading") return named(control::Text);
    if (role == "tab") return named(control::TabItem);
    if (role == "menuitem") return named(control::MenuItem);
    if (role == "option") return named(control::ListItem);
    if (role == "treeitem") return named(control::TreeItem);
    if (role == "columnheader" || role == "rowheader") return named(control::HeaderItem);
    if (role == "tooltip") return named(control::ToolTip);
    if (role == "list" || role == "listbox") return element(control::List);
    if (role == "listitem") return element(control::ListItem);
    if (role == "menu") return element(control::Menu);
    if (role == "menubar") return element(control::MenuBar);
    if (role == "tablist") return element(control::Tab);
    if (role == "tabpanel") return element(control::Pane);
    if (role == "toolbar") return element(control::ToolBar);
    if (role == "tree") return element(control::Tree);
    if (role == "table" || role == "grid" || role == "treegrid") return element(control::Table);
    if (role == "row" || role == "cell" || role == "gridcell") return element(control::DataItem);
    if (role == "document") return element(control::Document);
    // Landmarks and other named regions give the page its structure even bare.
    static const std::unordered_set<std::string_view> regions = {
        "main",   "navigation", "banner",  "contentinfo", "complementary", "region", "form",   "search",
        "article", "group",     "dialog", "alertdialog", "alert",         "status", "figure", "log",
        "marquee", "timer",     "note",   "feed",        "application",   "radiogroup"};
    if (regions.contains(role)) return element(control::Group);
    return {};  // generic, none, paragraph, LabelText and the rest of the inline and block wrappers
}

bool IsHidden(const AXNodeRecord& node) {
    static const std::unordered_set<std::string_view> hidden = {
        "notRendered", "notVisible", "ariaHiddenElement", "ariaHiddenSubtree", "inertElement", "inertSubtree"};
    return std::any_of(node.ignoredReasons.begin(), node.ignoredReasons.end(),
                       [](const std::string& reason) { return hidden.contains(reason); });
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\n\r\f\v") == std::string_view::npos;
}

bool IsNamed(std::string_view nodeName, std::string_view lower, std::string_view upper) {
    return nodeName == lower || nodeName == upper;
}

class Builder {
public:
    explicit Builder(const PageSnapshot& snapshot) : snapshot_(snapshot) {}

    std::vector<ControlElement> Expand(const AXNodeRecord& node, bool insideNamed) {
        if (!visited_.insert(node.nodeId).second) return {};  // a malformed tree's cycle
        if (IsHidden(node)) return {};
        const DomNodeRecord* dom = snapshot_.DomNode(node.backendDOMNodeId);

        if (node.role == "StaticText") {
            if (insideNamed || IsBlank(node.name)) return {};
            ControlElement text = Make(node, control::Text);
            // A span holding only text has no node of its own: the text wears its markup.
            if (const DomNodeRecord* holder = dom ? snapshot_.DomNode(dom->parentBackendId) : nullptr;
                holder != nullptr && !snapshot_.axByBackendId.contains(*dom->parentBackendId)) {
                text.automationId = holder->id;
                text.className = holder->className;
            }
            return {std::move(text)};
        }

        const RoleRule rule = node.ignored ? RoleRule{} : RuleFor(node.role);
        if (rule.kind == Kind::Dropped) return {};
        if (rule.kind == Kind::Element) {
            // An unnamed img or svg is decoration, as Chromium itself takes an img with alt="".
            if (rule.type == control::Image && node.name.empty() && dom != nullptr &&
                (IsNamed(dom->nodeName, "img", "IMG") || IsNamed(dom->nodeName, "svg", "SVG"))) {
                return {};
            }
            ControlElement element = Make(node, rule.type);
            if (dom != nullptr) {
                element.automationId = dom->id;
                element.className = dom->className;
            }
            if (!rule.hidesChildren) element.children = ExpandChildren(node, insideNamed || rule.namedByContent);
            return {std::move(element)};
        }

        std::vector<ControlElement> children = ExpandChildren(node, insideNamed);
        const bool pageFrame = dom != nullptr && (IsNamed(dom->nodeName, "html", "HTML") ||
                                                  IsNamed(dom->nodeName, "body", "BODY"));
        if (dom == nullptr || pageFrame || (dom->id.empty() && dom->className.empty())) return children;

        // An element whose whole content is its own one text is that text.
        if (children.size() == 1 && children[0].controlType == control::Text && children[0].children.empty() &&
            HoldsTextDirectly(node, children[0])) {
            ControlElement& text = children[0];
            if (text.automationId.empty()) text.automationId = dom->id;
            if (text.className.empty()) text.className = dom->className;
            return children;
        }
        ControlElement group = Make(node, control::Group);
        group.automationId = dom->id;
        group.className = dom->className;
        group.children = std::move(children);
        return {std::move(group)};
    }

    void Visit(const std::string& nodeId) { visited_.insert(nodeId); }

    std::vector<ControlElement> ExpandChildren(const AXNodeRecord& node, bool insideNamed) {
        std::vector<ControlElement> out;
        for (const std::string& childId : node.childIds) {
            const AXNodeRecord* child = snapshot_.AXNode(childId);
            if (child == nullptr) continue;
            for (ControlElement& element : Expand(*child, insideNamed)) out.push_back(std::move(element));
        }
        return out;
    }

private:
    static ControlElement Make(const AXNodeRecord& node, uia::ControlType type) {
        ControlElement element;
        element.controlType = type;
        element.name = node.name;
        element.axNodeId = node.nodeId;
        element.backendNodeId = node.backendDOMNodeId;
        return element;
    }

    // The text's DOM node is a child of this node's element, not of an element further in.
    bool HoldsTextDirectly(const AXNodeRecord& node, const ControlElement& text) const {
        const AXNodeRecord* textNode = snapshot_.AXNode(text.axNodeId);
        if (textNode == nullptr || textNode->role != "StaticText") return false;
        const DomNodeRecord* textDom = snapshot_.DomNode(textNode->backendDOMNodeId);
        return textDom != nullptr && node.backendDOMNodeId && textDom->parentBackendId == node.backendDOMNodeId;
    }

    const PageSnapshot& snapshot_;
    std::unordered_set<std::string> visited_;
};

}  // namespace

ControlElement BuildControlView(const PageSnapshot& snapshot) {
    const auto root = std::find_if(snapshot.axNodes.begin(), snapshot.axNodes.end(),
                                   [](const AXNodeRecord& node) { return node.role == "RootWebArea"; });
    if (root == snapshot.axNodes.end()) throw PlatformError(kInvalidData, "the page has no root web area");
    ControlElement document;
    document.controlType = control::Document;
    document.name = root->name;
    document.automationId = "RootWebArea";
    document.axNodeId = root->nodeId;
    document.backendNodeId = root->backendDOMNodeId;
    Builder builder(snapshot);
    builder.Visit(root->nodeId);
    document.children = builder.ExpandChildren(*root, false);
    return document;
}

}  // namespace tidemark::chromium
