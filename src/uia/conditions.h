#pragma once

#include <string>

#include "common/context.h"

namespace tidemark::uia {

// Whether any of the five search criteria is given (texts not blank, control type not 0).
bool HasCriterion(const std::string& name, ControlType controlType, const std::string& localizedControlType,
                  const std::string& automationId, const std::string& className);

// ANDs one property condition per given criterion into `condition`, which
// may already hold one. A name starting "LegacyName" (any case) is matched
// against the accessible name with the rest of the text. True when
// `condition` ends up set; false at once when the platform gives no condition.
bool BuildCondition(Context& context, Ref<Condition>& condition, const std::string& name, ControlType controlType,
                    const std::string& localizedControlType, const std::string& automationId,
                    const std::string& className, bool matchSubstring);

}  // namespace tidemark::uia
