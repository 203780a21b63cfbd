#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chromium/page_snapshot.h"
#include "uia/ids.h"

namespace tidemark::chromium {

namespace control = uia::control;

// One element of the page's control view, as Edge's UI Automation shows it.
struct ControlElement {
    uia::ControlType controlType = 0;
    std::string name;
    std::string automationId;
    std::string className;
    // The accessibility node it stands for, and that node's DOM node: what ties
    // the element to the live page later.
    std::string axNodeId;
    std::optional<std::int64_t> backendNodeId;
    std::vector<ControlElement> children;  // in document order
};

// How many accessibility nodes deep the control view goes: deeper nodes are left out. The HTML
// parser nests no deeper than 512; only a script goes further.
constexpr int kMaxControlViewDepth = 512;

// The page document and, under it, the control view of the page as Chromium's
// Windows provider shows it. Pure: the rule is written down in README.md. Throws PlatformError kInvalidData when
// the snapshot has no root web area.
ControlElement BuildControlView(const PageSnapshot& snapshot);

}  // namespace tidemark::chromium
