#pragma once

#include <string>

#include "common/context.h"

namespace tidemark::uia {

// The first element in `scope` of `parent` that meets the criteria, polled
// every 10 ms until found or `timeoutMs` passed. True only when an element
// was found and answers. With `checkParent`, a parent that does not answer
// within 1000 ms ends it with false before any search.
bool WaitFindElement(Context& context, Ref<Element>& found, const std::string& name, ControlType controlType,
                     const std::string& localizedControlType, const std::string& automationId,
                     const std::string& className, TreeScope scope, Ref<Element>& parent, double timeoutMs,
                     bool checkParent);

// All such elements, polled until at least one is found or `timeoutMs`
// passed; no criterion means every element in scope. True also for an empty
// array when the limit passed without a match: callers read the length.
bool WaitFindElements(Context& context, Ref<ElementArray>& found, const std::string& name, ControlType controlType,
                      const std::string& localizedControlType, const std::string& automationId,
                      const std::string& className, TreeScope scope, Ref<Element>& parent, double timeoutMs);

}  // namespace tidemark::uia
