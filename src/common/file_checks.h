#pragma once

#include <string>

#include "common/platform.h"

namespace tidemark {

// "OK" when the path (wildcards allowed) first finds a file, "Error" for a
// folder, nothing, an unusable drive or a failed search.
std::string CheckFileExists(Platform& platform, const std::string& path);

// "OK" when the path names an existing folder, else "Error".
std::string CheckFolderExists(Platform& platform, const std::string& path);

}  // namespace tidemark
