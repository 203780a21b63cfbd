#include "win32_browser_location.h"

#include <windows.h>

#include "wide_text.h"
#include "win32_environment.h"
#include "win32_handles.h"
#include "win32_registry.h"

namespace tidemark::win32 {

namespace {

constexpr wchar_t kAppPathsKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\msedge.exe";

// The App Paths default value, quotes removed; empty when there is none.
std::wstring Registered(HKEY root, REGSAM view) {
    unique_hkey key;
    if (RegOpenKeyExW(root, kAppPathsKey, 0, KEY_QUERY_VALUE | view, key.put()) != ERROR_SUCCESS) return {};
    std::wstring path;
    // Without RRF_NOEXPAND a REG_EXPAND_SZ value comes expanded, as REG_SZ.
    if (ReadRegistryString(key.get(), nullptr, RRF_RT_REG_SZ, path) != ERROR_SUCCESS) return {};
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
    return path;
}

bool IsFile(const std::wstring& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::optional<std::string> Win32BrowserLocation::FindInstalled() {
    // ProgramW6432 names the 64-bit Program Files folder to 32-bit processes too.
    const std::string programFiles = Win32Environment().Variable("ProgramW6432");
    const std::wstring candidates[] = {
        Registered(HKEY_CURRENT_USER, 0),
        Registered(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY),
        Registered(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY),
        programFiles.empty() ? std::wstring() : ToWide(programFiles) + L"\\Microsoft\\Edge\\Application\\msedge.exe",
    };
    for (const std::wstring& candidate : candidates) {
        if (IsFile(candidate)) return ToUtf8(candidate);
    }
    return std::nullopt;
}

}  // namespace tidemark::win32
