#pragma once

#include <string>

#include "uia/ids.h"

namespace tidemark::chromium {

// "Button", "Hyperlink", ... as UI Automation names the control types; an id
// without a name as its number.
std::string ControlTypeName(uia::ControlType controlType);

}  // namespace tidemark::chromium
