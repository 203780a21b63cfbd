#include "win32/win32_special_folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>
#include <string_view>

#include "common/text.h"
#include "win32/wide_text.h"

namespace tidemark::win32 {

namespace {

struct CoTaskMemFreer {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <class T>
using CoTaskMem = std::unique_ptr<T, CoTaskMemFreer>;

struct ScriptHostName {
    std::string_view key;
    int csidl;
};

// WScript.Shell's SpecialFolders names and the folders they stand for.
constexpr ScriptHostName kScriptHostNames[] = {
    {"allusersstartmenu", CSIDL_COMMON_STARTMENU},
    {"allusersprograms", CSIDL_COMMON_PROGRAMS},
    {"allusersstartup", CSIDL_COMMON_STARTUP},
    {"allusersdesktop", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"appdata", CSIDL_APPDATA},
    {"desktop", CSIDL_DESKTOPDIRECTORY},
    {"favorites", CSIDL_FAVORITES},
    {"fonts", CSIDL_FONTS},
    {"mydocuments", CSIDL_PERSONAL},
    {"nethood", CSIDL_NETHOOD},
    {"printhood", CSIDL_PRINTHOOD},
    {"programs", CSIDL_PROGRAMS},
    {"recent", CSIDL_RECENT},
    {"sendto", CSIDL_SENDTO},
    {"startmenu", CSIDL_STARTMENU},
    {"startup", CSIDL_STARTUP},
    {"templates", CSIDL_TEMPLATES},
};

struct ShellPathName {
    std::string_view shellPath;  // lower case
    const KNOWNFOLDERID& id;
};

const ShellPathName kShellPaths[] = {
    {"shell:downloads", FOLDERID_Downloads},
    {"shell:commondownloads", FOLDERID_PublicDownloads},
    {"shell:3d objects", FOLDERID_Objects3D},
    {"shell:userprofiles", FOLDERID_UserProfiles},
};

std::optional<std::string> FolderPath(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return std::nullopt;
    return ToUtf8(path);
}

std::optional<std::string> ParsingName(int csidl) {
    PIDLIST_ABSOLUTE rawList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &rawList))) return std::nullopt;
    const CoTaskMem<ITEMIDLIST_ABSOLUTE> list(rawList);
    PWSTR rawName = nullptr;
    const HRESULT result = SHGetNameFromIDList(list.get(), SIGDN_DESKTOPABSOLUTEPARSING, &rawName);
    const CoTaskMem<wchar_t> name(rawName);
    if (FAILED(result) || !name) return std::nullopt;
    return ToUtf8(name.get());
}

}  // namespace

std::string Win32SpecialFolders::ScriptHostFolder(const std::string& key) {
    const std::string lowered = LowerAscii(key);
    for (const ScriptHostName& name : kScriptHostNames)
        if (name.key == lowered) return FolderPath(name.csidl).value_or(std::string());
    return {};
}

std::optional<std::string> Win32SpecialFolders::ShellFolder(int csidl) {
    if (auto path = FolderPath(csidl)) return path;
    return ParsingName(csidl);
}

std::optional<std::string> Win32SpecialFolders::ShellPathFolder(const std::string& shellPath) {
    const std::string lowered = LowerAscii(shellPath);
    for (const ShellPathName& name : kShellPaths) {
        if (name.shellPath != lowered) continue;
        PWSTR rawPath = nullptr;
        const HRESULT result = SHGetKnownFolderPath(name.id, 0, nullptr, &rawPath);
        const CoTaskMem<wchar_t> path(rawPath);  // freed on failure too
        if (FAILED(result) || !path) return std::nullopt;
        return ToUtf8(path.get());
    }
    return std::nullopt;
}

}  // namespace tidemark::win32
