#pragma once

#include <string>

namespace tidemark::chromium {

// A folder made afresh under `parent` (made too when missing), mode 0700, and
// removed with all it holds when this goes: a browser profile that no other
// run shares.
class ScratchFolder {
public:
    // Throws PlatformError when the folder cannot be made.
    ScratchFolder(const std::string& parent, const std::string& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace tidemark::chromium
