#include "qt/no_browser.h"

namespace tidemark::qt {

void NoBrowserStarter::Start(const std::string& program, const std::string& arguments) {
    throw PlatformError(kFileNotFound, "no browser on this desktop yet: " + program + arguments);
}

}  // namespace tidemark::qt
