#pragma once

// Acting on an element through its control pattern. Each takes the target
// as the searches do: `element` itself with scope::Self (criteria and parent
// ignored), else the element found under `parent`, written into `element`.

#include <cstdint>
#include <string>

#include "common/context.h"

namespace tidemark::uia {

// The window was asked to close.
bool CloseWindowElement(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                        const std::string& localizedControlType, const std::string& automationId,
                        const std::string& className, TreeScope scope, Ref<Element>& parent);

// The Invoke pattern was obtained and invoked; a failing Invoke still counts.
bool InvokeElement(Context& context, Ref<Element>& element, const std::string& name, ControlType controlType,
                   const std::string& localizedControlType, const std::string& automationId,
                   const std::string& className, TreeScope scope, Ref<Element>& parent);

bool SetElementValue(Context& context, Ref<Element>& element, const std::string& value, const std::string& name,
                     ControlType controlType, const std::string& localizedControlType, const std::string& automationId,
                     const std::string& className, TreeScope scope, Ref<Element>& parent);

// Reads the Value pattern's value into `value`; `value` unchanged on false.
bool GetElementValue(Context& context, Ref<Element>& element, std::string& value, const std::string& name,
                     ControlType controlType, const std::string& localizedControlType, const std::string& automationId,
                     const std::string& className, TreeScope scope, Ref<Element>& parent);

bool CloseWindowOf(Context& context, Ref<Element>& element);
bool GetValueOf(Context& context, Ref<Element>& element, std::string& value);

}  // namespace tidemark::uia
