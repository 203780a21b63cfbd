#include "uia/patterns.h"

#include "uia/liveness.h"
#include "uia/polling.h"
#include "uia/property_values.h"

namespace tidemark::uia {

bool GetElementPattern(Context& context, Ref<Element>& element, Ref<Pattern>& pattern,
                       PropertyId availabilityPropertyId, PatternId patternId, bool waitEnabled) {
    Ref<Element> target = element;  // held through the waits, whatever message handlers do
    if (!IsElementAlive(context, target, kInnerLimitMs)) return false;
    if (EqualsFalse(target->GetCurrentPropertyValue(availabilityPropertyId))) return false;

    if (waitEnabled) {
        const double start = StartReading(context);
        while (!target->CurrentIsEnabled() && ElapsedSince(context, start) < kInnerLimitMs) PollPause(context);
        if (!target->CurrentIsEnabled()) return false;
    }

    pattern.reset();
    const double start = StartReading(context);
    pattern = target->GetCurrentPattern(patternId);
    while (!pattern && ElapsedSince(context, start) < kInnerLimitMs) {
        PollPause(context);
        pattern = target->GetCurrentPattern(patternId);
    }
    return pattern != nullptr;
}

}  // namespace tidemark::uia
