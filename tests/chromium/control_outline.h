#pragma once

// The control-view tests compare whole trees as one string.

#include <string>

#include "chromium/control_view.h"

namespace tidemark::chromium {

// "Type 'Name' #id .class" for each element, children indented.
inline std::string Outline(const ControlElement& element, int depth = 0) {
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    line += std::to_string(element.controlType) + " '" + element.name + "'";
    if (!element.automationId.empty()) line += " #" + element.automationId;
    if (!element.className.empty()) line += " ." + element.className;
    line += "\n";
    for (const ControlElement& child : element.children) line += Outline(child, depth + 1);
    return line;
}

}  // namespace tidemark::chromium
