#pragma once

#include <string>

#include "common/platform.h"

namespace tidemark::chromium {

// Where Debian puts its Chromium, or the first `chromium` on PATH.
class ChromiumLocation : public BrowserLocation {
public:
    std::optional<std::string> FindInstalled() override;
};

}  // namespace tidemark::chromium
