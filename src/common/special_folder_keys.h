#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tidemark {

// How a special-folder key is resolved.
struct FolderRoute {
    enum class Through { ScriptHost, ShellNumber, ShellPath };
    Through through = Through::ScriptHost;
    int number = 0;              // ShellNumber: the CSIDL
    std::string_view shellPath;  // ShellPath: "shell:Downloads" and the like
};

// The route of a cleaned text key, letter case ignored; nullopt for a key in
// no row. The user's name (also without regard to case) reaches the profile
// folder, but only after every fixed key except "ダウンロード" and
// "3D オブジェクト". An empty user name matches nothing.
std::optional<FolderRoute> LookUpFolderKey(std::string_view key, std::string_view userName);

// The special-folder numbers taken as integer keys: 1 to 61 except 12, 15,
// 50, 51, 52, 57 and 60.
bool IsAcceptedFolderNumber(std::int16_t number);

}  // namespace tidemark
