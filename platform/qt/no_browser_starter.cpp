#include "qt/no_browser_starter.h"

namespace tidemark::qt {

void NoBrowserStarter::Start(const std::string& commandLine) {
    throw PlatformError(kFileNotFound, "no browser on this desktop yet: " + commandLine);
}

}  // namespace tidemark::qt
