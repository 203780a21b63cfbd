#pragma once

// The UI Automation calls an in-memory tree answers, by name, so that
// observers can tell them apart.

#include <array>
#include <cstddef>

namespace tidemark::uia_tree {

enum class Call {
    ElementFromHandle,
    ControlViewWalker,
    CreatePropertyCondition,
    CreatePropertyConditionEx,
    CreateAndCondition,
    CreateTrueCondition,
    FindFirst,
    FindAll,
    GetCurrentPropertyValue,
    GetCurrentPattern,
    CurrentName,
    CurrentClassName,
    CurrentLocalizedControlType,
    CurrentIsEnabled,
    GetRuntimeId,
    SetFocus,
    ArrayLength,
    ArrayGetElement,
    GetParentElement,
    GetPreviousSiblingElement,
    GetNextSiblingElement,
    GetFirstChildElement,
    GetLastChildElement,
    Invoke,
    SetValue,
    Close,
    SetWindowVisualState,
    CurrentCanMaximize,
    CurrentCanMinimize,
    CurrentIsSelected,
    Select,
};

constexpr std::size_t kCallCount = static_cast<std::size_t>(Call::Select) + 1;

const char* CallName(Call call);

}  // namespace tidemark::uia_tree
