#pragma once

#include "common/context.h"

namespace tidemark {

// Creates the automation object, the desktop element and the control-view
// walker once for the life of the program. Throws PlatformError when UI
// Automation cannot be created; a later call after success changes nothing.
void InitAutomation(Context& context);

}  // namespace tidemark
