#include "uia_tree/conditions.h"

namespace tidemark::uia_tree {

namespace {
constexpr std::int32_t kIgnoreCase = 1;
constexpr std::int32_t kMatchSubstring = 2;

std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The kind of value each property holds; monostate for one the tree does not know.
uia::PropertyValue KindOf(uia::PropertyId id) {
    switch (id) {
        case uia::property::ControlType:
        case uia::property::WindowVisualState: return std::int32_t{0};
        case uia::property::LocalizedControlType:
        case uia::property::Name:
        case uia::property::AutomationId:
        case uia::property::ClassName:
        case uia::property::LegacyIAccessibleName:
        case uia::property::ValueValue: return std::string();
        case uia::property::IsInvokePatternAvailable:
        case uia::property::IsSelectionItemPatternAvailable:
        case uia::property::IsValuePatternAvailable:
        case uia::property::IsWindowPatternAvailable:
        case uia::property::SelectionItemIsSelected: return false;
        default: return std::monostate{};
    }
}
}  // namespace

PropertyCondition::PropertyCondition(Tree& tree, uia::PropertyId id, uia::PropertyValue value, std::int32_t flags)
    : TreeCondition(tree), id_(id), value_(std::move(value)), flags_(flags) {
    const uia::PropertyValue kind = KindOf(id);
    if (std::holds_alternative<std::monostate>(kind) || kind.index() != value_.index())
        throw PlatformError(kEInvalidArg, "uia tree: property condition of the wrong kind");
    if ((flags & ~(kIgnoreCase | kMatchSubstring)) != 0)
        throw PlatformError(kEInvalidArg, "uia tree: unknown condition flags");
}

bool PropertyCondition::Matches(const Node& node) const {
    const uia::PropertyValue actual = node.Property(id_);
    const auto* wanted = std::get_if<std::string>(&value_);
    const auto* text = std::get_if<std::string>(&actual);
    if (wanted == nullptr || text == nullptr) return actual == value_;
    const std::string have = (flags_ & kIgnoreCase) != 0 ? Lowered(*text) : *text;
    const std::string want = (flags_ & kIgnoreCase) != 0 ? Lowered(*wanted) : *wanted;
    if ((flags_ & kMatchSubstring) != 0) return have.find(want) != std::string::npos;
    return have == want;
}

AndCondition::AndCondition(Tree& tree, uia::Ref<TreeCondition> first, uia::Ref<TreeCondition> second)
    : TreeCondition(tree), first_(std::move(first)), second_(std::move(second)) {}

}  // namespace tidemark::uia_tree
