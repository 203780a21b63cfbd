#include "chromium/control_search.h"

#include "common/text.h"

namespace tidemark::chromium {

namespace {

bool Matches(std::string_view asked, const std::string& value) { return TrimBlanks(asked).empty() || asked == value; }

std::optional<ControlPlace> FindBelow(const ControlElement& parent, bool deep, const ControlCriteria& criteria) {
    for (std::size_t i = 0; i < parent.children.size(); ++i) {
        const ControlElement& child = parent.children[i];
        if (Meets(child, criteria)) return ControlPlace{&child, &parent, i};
        if (deep) {
            if (auto found = FindBelow(child, true, criteria)) return found;
        }
    }
    return std::nullopt;
}

}  // namespace

bool Meets(const ControlElement& element, const ControlCriteria& criteria) {
    return Matches(criteria.name, element.name) &&
           (criteria.controlType == 0 || criteria.controlType == element.controlType) &&
           Matches(criteria.automationId, element.automationId) && Matches(criteria.className, element.className);
}

std::optional<ControlPlace> FindFirst(const ControlElement& root, uia::TreeScope scope,
                                      const ControlCriteria& criteria) {
    if (scope == uia::scope::Subtree) {
        if (Meets(root, criteria)) return ControlPlace{&root, nullptr, 0};
        return FindBelow(root, true, criteria);
    }
    return FindBelow(root, false, criteria);
}

std::optional<ControlPlace> NextSibling(const ControlPlace& place, std::size_t count) {
    if (place.parent == nullptr || place.index + count >= place.parent->children.size()) return std::nullopt;
    const std::size_t index = place.index + count;
    return ControlPlace{&place.parent->children[index], place.parent, index};
}

}  // namespace tidemark::chromium
