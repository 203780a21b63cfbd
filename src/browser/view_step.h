#pragma once

// One step down Edge's own views: a search under the element of the step
// before, which must still answer, given a second.

#include <string>

#include "common/context.h"

namespace tidemark {

struct ViewStep {
    uia::TreeScope scope;
    std::string className;
    std::string name{};
    uia::ControlType controlType = 0;
    std::string automationId{};
};

bool FindViewStep(Context& context, uia::Ref<uia::Element>& found, uia::Ref<uia::Element>& parent,
                  const ViewStep& step);

}  // namespace tidemark
