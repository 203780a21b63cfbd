#include "browser/view_step.h"

#include "uia/polling.h"
#include "uia/search.h"

namespace tidemark {

bool FindViewStep(Context& context, uia::Ref<uia::Element>& found, uia::Ref<uia::Element>& parent,
                  const ViewStep& step) {
    return uia::WaitFindElement(context, found, step.name, step.controlType, "", step.automationId, step.className,
                                step.scope, parent, uia::kInnerLimitMs, true);
}

}  // namespace tidemark
