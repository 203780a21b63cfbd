#include "win32_settings_store.h"

#include <windows.h>

#include "wide_text.h"
#include "win32_error.h"
#include "win32_handles.h"
#include "win32_registry.h"

namespace tidemark::win32 {

namespace {
std::wstring KeyPath(const std::string& application, const std::string& section) {
    return L"Software\\" + ToWide(application) + L"\\" + ToWide(section);
}
}  // namespace

std::optional<std::string> Win32SettingsStore::Get(const std::string& application, const std::string& section,
                                                   const std::string& key) {
    unique_hkey settings;
    const LSTATUS opened =
        RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_QUERY_VALUE, settings.put());
    if (opened == ERROR_FILE_NOT_FOUND) return std::nullopt;
    ThrowIfError(opened, "RegOpenKeyExW");

    std::wstring text;
    const LSTATUS status = ReadRegistryString(settings.get(), ToWide(key).c_str(), RRF_RT_REG_SZ, text);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    ThrowIfError(status, "RegGetValueW");
    return ToUtf8(text);
}

void Win32SettingsStore::Set(const std::string& application, const std::string& section, const std::string& key,
                             const std::string& value) {
    unique_hkey settings;
    ThrowIfError(RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, settings.put(), nullptr),
                 "RegCreateKeyExW");
    const std::wstring text = ToWide(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    ThrowIfError(RegSetValueExW(settings.get(), ToWide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(text.c_str()), bytes),
                 "RegSetValueExW");
}

}  // namespace tidemark::win32
