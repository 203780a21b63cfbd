#pragma once

#include <cstdint>
#include <string>

#include "common/context.h"

namespace tidemark::uia {

namespace selection {
constexpr std::int16_t Selected = -1;
constexpr std::int16_t NotSelected = 0;
constexpr std::int16_t Unknown = -9;  // no target, or no SelectionItem pattern
}  // namespace selection

std::int16_t GetIsSelected(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                           const std::string& localizedControlType, const std::string& automationId,
                           const std::string& className, TreeScope scope, Ref<Element>& parent);

// True when the element is selected or was asked to select; a failing
// Select beeps and still counts. An element already selected is left alone.
bool SelectElement(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                   const std::string& localizedControlType, const std::string& automationId,
                   const std::string& className, TreeScope scope, Ref<Element>& parent);

bool SelectElementOf(Context& context, Ref<Element>& element);

}  // namespace tidemark::uia
