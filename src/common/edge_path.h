#pragma once

#include <string>

#include "common/context.h"

namespace tidemark {

// The text up to its first NUL, trimmed of surrounding blanks.
std::string TrimAtNull(const std::string& text);

// The Windows directory as the platform delivers it.
std::string GetWindowsDir(Environment& environment);

// Sets context.EdgePath: the Windows drive letter followed by Edge's fixed
// place under "Program Files (x86)"; when no program is there, the place
// the system registers Edge at, if it has one.
void GetEdgePath(Context& context);

}  // namespace tidemark
