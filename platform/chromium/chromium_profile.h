#pragma once

#include <string>

namespace tidemark::chromium {

// $XDG_CACHE_HOME/tidemark/chromium-profile, or ~/.cache/tidemark/chromium-profile.
std::string DefaultProfileFolder();

// Creates the folder, the user's only: it holds the cookies and history of the
// pages the browser visits. Throws PlatformError when it cannot be made.
void PrepareProfileFolder(const std::string& folder);

}  // namespace tidemark::chromium
