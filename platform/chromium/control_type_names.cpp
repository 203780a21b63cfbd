#include "chromium/control_type_names.h"

#include "chromium/control_view.h"

namespace tidemark::chromium {

std::string ControlTypeName(uia::ControlType controlType) {
    switch (controlType) {
        case control::Button: return "Button";
        case control::CheckBox: return "CheckBox";
        case control::ComboBox: return "ComboBox";
        case control::Edit: return "Edit";
        case control::Hyperlink: return "Hyperlink";
        case control::Image: return "Image";
        case control::List: return "List";
        case control::ListItem: return "ListItem";
        case control::Menu: return "Menu";
        case control::MenuBar: return "MenuBar";
        case control::MenuItem: return "MenuItem";
        case control::ProgressBar: return "ProgressBar";
        case control::RadioButton: return "RadioButton";
        case control::ScrollBar: return "ScrollBar";
        case control::Slider: return "Slider";
        case control::Tab: return "Tab";
        case control::TabItem: return "TabItem";
        case control::Text: return "Text";
        case control::ToolBar: return "ToolBar";
        case control::ToolTip: return "ToolTip";
        case control::Tree: return "Tree";
        case control::TreeItem: return "TreeItem";
        case control::Group: return "Group";
        case control::DataItem: return "DataItem";
        case control::Document: return "Document";
        case control::Window: return "Window";
        case control::Pane: return "Pane";
        case control::HeaderItem: return "HeaderItem";
        case control::Table: return "Table";
        case control::Separator: return "Separator";
        default: return std::to_string(controlType);
    }
}

}  // namespace tidemark::chromium
