#pragma once

#include <string>

#include "common/platform.h"

namespace tidemark {

// Whether an existing file is held by another program: it cannot be opened
// for writing with all sharing refused, whatever the reason. The file's
// attributes are made normal first; with keepNormal they stay so, otherwise
// the old ones are put back. A missing file is not in use and is left alone.
bool CheckFileInUse(Platform& platform, const std::string& path, bool keepNormal);

}  // namespace tidemark
