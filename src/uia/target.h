#pragma once

// The first step of every element action: the element itself (ScopeSelf)
// or the one found under the parent; then the pattern that carries the action.

#include <string>

#include "common/context.h"
#include "uia/patterns.h"

namespace tidemark::uia {

struct Criteria {
    const std::string& name;
    ControlType controlType;
    const std::string& localizedControlType;
    const std::string& automationId;
    const std::string& className;
};

// With ScopeSelf the element must answer within 1000 ms; otherwise the
// parent must, and the target is searched for under it (1000 ms) into `element`.
bool ObtainTarget(Context& context, Ref<Element>& element, const Criteria& criteria, TreeScope scope,
                  Ref<Element>& parent);

// The element's pattern of type P through GetElementPattern (waiting for the
// enabled state); empty when it is not obtained.
template <class P>
Ref<P> FetchPattern(Context& context, Ref<Element>& element, PropertyId availability, PatternId id) {
    Ref<Pattern> pattern;
    if (!GetElementPattern(context, element, pattern, availability, id, true)) return nullptr;
    return std::dynamic_pointer_cast<P>(pattern);
}

}  // namespace tidemark::uia
