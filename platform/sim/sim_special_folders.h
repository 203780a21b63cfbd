#pragma once

// The special folders of a simulated Windows user "user", settable by tests.

#include <map>
#include <optional>
#include <vector>
#include <string>

#include "common/file_system.h"

namespace tidemark::sim {

class SimSpecialFolders : public SpecialFolders {
public:
    SimSpecialFolders();

    std::string ScriptHostFolder(const std::string& key) override;
    std::optional<std::string> ShellFolder(int csidl) override;
    std::optional<std::string> ShellPathFolder(const std::string& shellPath) override;

    void SetScriptHostFolder(const std::string& key, const std::string& path);
    void SetShellFolder(int csidl, std::optional<std::string> path);
    void SetShellPathFolder(const std::string& shellPath, const std::string& path);

    // Every lookup so far, e.g. "script:mydocuments", "csidl:16", "shell:Downloads".
    const std::vector<std::string>& lookups() const { return lookups_; }

private:
    std::map<std::string, std::string> scriptHost_;  // lower-case keys: the collection ignores case
    std::map<int, std::string> shell_;
    std::map<std::string, std::string> shellPaths_;  // lower-case keys
    std::vector<std::string> lookups_;
};

}  // namespace tidemark::sim
