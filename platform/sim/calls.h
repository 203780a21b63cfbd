#pragma once

// The UI Automation calls the simulated desktop answers, by name, so that
// tests can count them and make any one of them fail.

#include <array>
#include <cstddef>

namespace tidemark::sim {

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

}  // namespace tidemark::sim
