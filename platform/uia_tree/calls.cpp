#include "uia_tree/calls.h"

namespace tidemark::uia_tree {

const char* CallName(Call call) {
    static constexpr std::array<const char*, kCallCount> kNames = {
        "ElementFromHandle",
        "ControlViewWalker",
        "CreatePropertyCondition",
        "CreatePropertyConditionEx",
        "CreateAndCondition",
        "CreateTrueCondition",
        "FindFirst",
        "FindAll",
        "GetCurrentPropertyValue",
        "GetCurrentPattern",
        "CurrentName",
        "CurrentClassName",
        "CurrentLocalizedControlType",
        "CurrentIsEnabled",
        "GetRuntimeId",
        "SetFocus",
        "ElementArray::Length",
        "ElementArray::GetElement",
        "GetParentElement",
        "GetPreviousSiblingElement",
        "GetNextSiblingElement",
        "GetFirstChildElement",
        "GetLastChildElement",
        "Invoke",
        "SetValue",
        "Close",
        "SetWindowVisualState",
        "CurrentCanMaximize",
        "CurrentCanMinimize",
        "CurrentIsSelected",
        "Select",
    };
    return kNames[static_cast<std::size_t>(call)];
}

}  // namespace tidemark::uia_tree
