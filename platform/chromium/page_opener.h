#pragma once

#include <chrono>
#include <string>

#include "chromium/devtools_pipe.h"

namespace tidemark::chromium {

struct OpenedPage {
    std::string sessionId;
    // Why the page did not load (the browser's net error, or no load event in
    // time); empty when it loaded.
    std::string failure{};
};

// Opens `url` in a new target of its own, attached in flat mode with the Page
// domain on, and waits up to `loadLimit` for its load event. Throws
// PlatformError when the browser fails or ends meanwhile.
OpenedPage OpenPage(DevToolsPipe& devtools, const std::string& url, std::chrono::milliseconds loadLimit);

}  // namespace tidemark::chromium
