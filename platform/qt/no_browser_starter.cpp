#include "qt/no_browser_starter.h"

namespace tidemark::qt {

void NoBrowserStarter::Start(const std::string& commandLine) {
    constexpr HResult kFileNotFound = static_cast<HResult>(0x80070002u);
    throw PlatformError(kFileNotFound, "no browser on this desktop yet: " + commandLine);
}

}  // namespace tidemark::qt
