#include "uia/target.h"

#include "uia/liveness.h"
#include "uia/polling.h"
#include "uia/search.h"

namespace tidemark::uia {

bool ObtainTarget(Context& context, Ref<Element>& element, const Criteria& criteria, TreeScope scope,
                  Ref<Element>& parent) {
    if (scope == scope::Self) return IsElementAlive(context, element, kInnerLimitMs);
    if (!IsElementAlive(context, parent, kInnerLimitMs)) return false;
    return WaitFindElement(context, element, criteria.name, criteria.controlType, criteria.localizedControlType,
                           criteria.automationId, criteria.className, scope, parent, kInnerLimitMs, true);
}

}  // namespace tidemark::uia
