#pragma once

#include <string>

#include "common/platform.h"

namespace tidemark {

// "OK" when the drive of the path is usable, else "Error". A network path
// ("\\server\share") is "OK" untested; a Windows path needs a drive letter and
// a colon; an absolute POSIX path belongs to the longest volume root that
// prefixes it.
std::string CheckDrive(Platform& platform, const std::string& path);

// What the file checks hand to CheckDrive: the first two characters of a
// Windows path, the whole of a POSIX path (whose volume is known only from
// the full path).
std::string DrivePartOf(const std::string& path);

}  // namespace tidemark
