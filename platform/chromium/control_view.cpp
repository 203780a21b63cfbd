#include "chromium/control_view.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <unordered_set>

namespace tidemark::chromium {

namespace {

// Roles as the protocol spells them: ARIA's names where ARIA has one, Blink's
// own otherwise ("StaticText", "Canvas", "LabelText").
bool IsOneOf(std::string_view role, std::initializer_list<std::string_view> roles) {
    return std::find(roles.begin(), roles.end(), role) != roles.end();
}

bool IsElement(const DomNodeRecord* dom, std::string_view upper) {
    if (dom == nullptr || dom->nodeName.size() != upper.size()) return false;
    return std::equal(upper.begin(), upper.end(), dom->nodeName.begin(),
                      [](char a, char b) { return a == (b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b); });
}

bool IsTextRole(std::string_view role) { return IsOneOf(role, {"StaticText", "LineBreak"}); }

// A text under one of these is said by it (its Name), not shown on its own.
bool CarriesText(std::string_view role) {
    return IsOneOf(role, {"button",     "checkbox",         "heading",       "LineBreak",      "link",     "option",
                          "menuitem",   "menuitemcheckbox", "menuitemradio", "MenuListOption", "radio",    "row",
                          "StaticText", "switch",           "tab",           "tooltip",        "treeitem", "cell",
                          "gridcell",   "columnheader",     "rowheader"});
}

bool IsWidget(std::string_view role) {
    return IsOneOf(role, {"button",
                          "checkbox",
                          "ColorWell",
                          "combobox",
                          "ComboBoxSelect",
                          "ComboBoxMenuButton",
                          "Date",
                          "DateTime",
                          "InputTime",
                          "DisclosureTriangle",
                          "listbox",
                          "menuitem",
                          "menuitemcheckbox",
                          "menuitemradio",
                          "MenuListOption",
                          "PopUpButton",
                          "radio",
                          "scrollbar",
                          "searchbox",
                          "slider",
                          "spinbutton",
                          "switch",
                          "tab",
                          "textbox",
                          "ToggleButton",
                          "tree",
                          "treegrid",
                          "treeitem"});
}

bool IsLandmark(const AXNodeRecord& node) {
    if (node.role == "form") return !node.name.empty();
    return IsOneOf(node.role, {"main", "navigation", "search", "banner", "complementary", "contentinfo", "region"});
}

bool IsImageRole(std::string_view role) { return IsOneOf(role, {"image", "Canvas", "graphics-symbol", "doc-cover"}); }

bool IsAlwaysControl(const AXNodeRecord& node, const DomNodeRecord* dom) {
    const std::string_view role = node.role;
    if (IsWidget(role) || IsLandmark(node)) return true;
    if (IsOneOf(role, {"table", "grid", "treegrid", "list", "DescriptionList", "listbox"})) return true;
    if (IsImageRole(role)) return !(IsElement(dom, "IMG") && dom->emptyAlt);
    if (IsElement(dom, "DETAILS")) return true;  // the protocol says "group" for it, as for role=group
    return IsOneOf(role,
                   {"article", "blockquote", "cell", "column", "figure", "sectionfooter", "gridcell", "sectionheader",
                    "option", "listitem", "math", "meter", "progressbar", "row", "separator", "status", "time"});
}

// Children the provider never shows: drawn by the control itself.
bool HasPresentationalChildren(std::string_view role) {
    return IsImageRole(role) ||
           IsOneOf(role, {"checkbox", "math", "menuitemcheckbox", "menuitemradio", "MenuListOption", "progressbar",
                          "scrollbar", "slider", "switch", "tab"});
}

uia::ControlType ControlTypeOf(const AXNodeRecord& node) {
    const std::string_view role = node.role;
    if (IsTextRole(role) || IsOneOf(role, {"heading", "time", "alert", "ListMarker"})) return control::Text;
    if (role == "link") return control::Hyperlink;
    if (IsImageRole(role)) return control::Image;
    if (IsOneOf(role, {"list", "DescriptionList", "listbox", "MenuListPopup"})) return control::List;
    if (IsOneOf(role, {"listitem", "option", "MenuListOption"})) return control::ListItem;
    if (IsOneOf(role, {"button", "ToggleButton", "switch", "PopUpButton", "DisclosureTriangle"}))
        return control::Button;
    if (IsOneOf(role, {"textbox", "searchbox"})) return control::Edit;
    if (role == "spinbutton") return control::Spinner;
    if (IsOneOf(role, {"combobox", "ComboBoxSelect", "ComboBoxMenuButton"})) return control::ComboBox;
    if (IsOneOf(role, {"checkbox", "menuitemcheckbox"})) return control::CheckBox;
    if (IsOneOf(role, {"radio", "menuitemradio"})) return control::RadioButton;
    if (role == "status") return control::StatusBar;
    if (IsOneOf(role, {"meter", "progressbar"})) return control::ProgressBar;
    if (IsOneOf(role, {"table", "grid", "treegrid"})) return control::Table;
    if (IsOneOf(role, {"row", "cell", "gridcell", "columnheader", "rowheader"})) return control::DataItem;
    if (role == "tab") return control::TabItem;
    if (role == "tablist") return control::Tab;
    if (role == "tabpanel") return control::Pane;
    if (role == "menu") return control::Menu;
    if (role == "menubar") return control::MenuBar;
    if (role == "menuitem") return control::MenuItem;
    if (role == "separator") return node.focusable ? control::Thumb : control::Separator;
    if (IsOneOf(role, {"dialog", "alertdialog"})) return control::Window;
    if (role == "tooltip") return control::ToolTip;
    if (role == "tree") return control::Tree;
    if (role == "treeitem") return control::TreeItem;
    if (role == "scrollbar") return control::ScrollBar;
    if (role == "slider") return control::Slider;
    if (IsOneOf(role, {"Iframe", "document", "RootWebArea"})) return control::Document;
    return control::Group;  // generic, paragraph, group, landmarks, article, figure, LabelText, ...
}

// Where a node stands among the nodes the provider shows: ignored nodes are
// not there, so neither are they anyone's parent.
struct Surroundings {
    bool textCarried = false;       // some shown ancestor says its text
    bool parentIsListItem = false;  // a list item says only the text right under it
};

class Builder {
public:
    explicit Builder(const PageSnapshot& snapshot) : snapshot_(snapshot) {}

    void Visit(const std::string& nodeId) { visited_.insert(nodeId); }

    std::vector<ControlElement> ExpandChildren(const AXNodeRecord& node, Surroundings around, int depth = 0) {
        std::vector<ControlElement> out;
        for (const AXNodeRecord* child : Children(node)) {
            for (ControlElement& element : Expand(*child, around, depth + 1)) out.push_back(std::move(element));
        }
        return out;
    }

private:
    std::vector<ControlElement> Expand(const AXNodeRecord& node, Surroundings around, int depth) {
        // A page may nest its nodes as deep as it likes; what lies deeper than any page a user reads is left out.
        if (depth > kMaxControlViewDepth) return {};
        if (!visited_.insert(node.nodeId).second) return {};  // a malformed tree's cycle
        // The pieces of a text's lines: the text itself is the leaf.
        if (node.role == "InlineTextBox") return {};
        if (node.ignored) return ExpandChildren(node, around, depth);

        const DomNodeRecord* dom = snapshot_.DomNode(node.backendDOMNodeId);
        std::vector<ControlElement> children;
        if (!HidesChildren(node, dom)) {
            children =
                ExpandChildren(node, {around.textCarried || CarriesText(node.role), node.role == "listitem"}, depth);
        }
        if (!IsControl(node, dom, around)) return children;

        ControlElement element;
        element.controlType = ControlTypeOf(node);
        element.name = node.role == "listitem" && node.name.empty() ? TextWithin(node) : node.name;
        element.axNodeId = node.nodeId;
        element.backendNodeId = node.backendDOMNodeId;
        if (dom != nullptr && dom->nodeType == 1) {
            element.automationId = dom->id;
            element.className = dom->className;
        }
        element.children = std::move(children);
        return {std::move(element)};
    }

    static bool IsControl(const AXNodeRecord& node, const DomNodeRecord* dom, Surroundings around) {
        if (IsTextRole(node.role)) return !around.textCarried && !around.parentIsListItem;
        if (IsAlwaysControl(node, dom)) return true;
        // Anything else only when something about it is meant for the user.
        return (dom != nullptr && (dom->hasAriaAttribute || dom->clickable)) || !node.name.empty() ||
               !node.description.empty() || node.focusable;
    }

    bool HidesChildren(const AXNodeRecord& node, const DomNodeRecord* dom) const {
        const bool atomicTextField = IsOneOf(node.role, {"textbox", "searchbox", "spinbutton", "combobox"}) &&
                                     (IsElement(dom, "INPUT") || IsElement(dom, "TEXTAREA"));
        if (atomicTextField) return true;
        if (IsOneOf(node.role, {"button", "link"})) {
            const std::vector<const AXNodeRecord*> shown = ShownChildren(node);
            return shown.size() == 1 && IsTextRole(shown[0]->role);
        }
        return HasPresentationalChildren(node.role);
    }

    std::vector<const AXNodeRecord*> Children(const AXNodeRecord& node) const {
        std::vector<const AXNodeRecord*> out;
        for (const std::string& childId : node.childIds) {
            if (const AXNodeRecord* child = snapshot_.AXNode(childId)) out.push_back(child);
        }
        return out;
    }

    // The children as the provider has them, ignored ones replaced by theirs.
    std::vector<const AXNodeRecord*> ShownChildren(const AXNodeRecord& node, int depth = 0) const {
        std::vector<const AXNodeRecord*> out;
        if (depth > 64) return out;
        for (const AXNodeRecord* child : Children(node)) {
            if (!child->ignored) {
                out.push_back(child);
                continue;
            }
            for (const AXNodeRecord* lifted : ShownChildren(*child, depth + 1)) out.push_back(lifted);
        }
        return out;
    }

    // A list item without a name of its own is named by the texts in it.
    std::string TextWithin(const AXNodeRecord& node, int depth = 0) const {
        std::string text;
        if (depth > 64) return text;
        for (const AXNodeRecord* child : Children(node)) {
            if (child->role == "ListMarker") continue;
            if (child->role != "StaticText") {
                text += TextWithin(*child, depth + 1);
            } else if (!child->ignored) {
                text += child->name;
            }
        }
        return text;
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
    document.children = builder.ExpandChildren(*root, {});
    return document;
}

}  // namespace tidemark::chromium
