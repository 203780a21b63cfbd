#pragma once

#include <optional>
#include <string_view>

#include "chromium/control_view.h"

namespace tidemark::chromium {

// What a site test asks of an element: blank texts and a zero type ask nothing,
// and what is asked must match exactly, as the core's property conditions do.
struct ControlCriteria {
    std::string_view name{};
    uia::ControlType controlType = 0;
    std::string_view automationId{};
    std::string_view className{};
};

bool Meets(const ControlElement& element, const ControlCriteria& criteria);

// A found element and where it stands among its siblings, to walk on from.
struct ControlPlace {
    const ControlElement* element = nullptr;
    const ControlElement* parent = nullptr;  // none for the search's own root
    std::size_t index = 0;
};

// The first element in `scope` (uia::scope::Children or Subtree, which takes
// in `root` itself) of `root` that meets the criteria, in document order.
std::optional<ControlPlace> FindFirst(const ControlElement& root, uia::TreeScope scope,
                                      const ControlCriteria& criteria);

// The `count`-th next sibling, as uia::WalkToNextSibling steps.
std::optional<ControlPlace> NextSibling(const ControlPlace& place, std::size_t count = 1);

}  // namespace tidemark::chromium
