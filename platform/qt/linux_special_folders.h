#pragma once

// The special folders of a Linux desktop: the XDG user folders (Documents,
// Desktop, Music, Videos, Pictures, Downloads, Templates, Public), the home
// folder for the profile, and the XDG data, configuration, cache, fonts,
// applications and autostart folders where Windows has a counterpart. Keys
// without one answer empty (script host) or nullopt (shell).

#include <optional>
#include <string>

#include "common/file_system.h"

namespace tidemark::qt {

class LinuxSpecialFolders : public SpecialFolders {
public:
    std::string ScriptHostFolder(const std::string& key) override;
    std::optional<std::string> ShellFolder(int csidl) override;
    std::optional<std::string> ShellPathFolder(const std::string& shellPath) override;
};

}  // namespace tidemark::qt
