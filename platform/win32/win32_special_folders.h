#pragma once

// The special folders as the Windows shell knows them: the script host's
// names through their CSIDLs, CSIDL numbers, and the few shell paths the key
// table uses, through their known-folder ids.

#include "common/file_system.h"

namespace tidemark::win32 {

class Win32SpecialFolders : public SpecialFolders {
public:
    std::string ScriptHostFolder(const std::string& key) override;
    // A folder on disk answers its path; a virtual folder (Printers, Control
    // Panel) its shell parsing name "::{...}", as the shell's folder object does.
    std::optional<std::string> ShellFolder(int csidl) override;
    std::optional<std::string> ShellPathFolder(const std::string& shellPath) override;
};

}  // namespace tidemark::win32
