#include "win32_settings_store.h"

#include <windows.h>

#include <cwchar>

#include "wide_text.h"
#include "win32_error.h"
#include "win32_handles.h"

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

    const std::wstring name = ToWide(key);
    // The value may grow between asking its size and reading it.
    for (;;) {
        DWORD bytes = 0;
        LSTATUS status = RegGetValueW(settings.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
        if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
        ThrowIfError(status, "RegGetValueW");

        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status = RegGetValueW(settings.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
        ThrowIfError(status, "RegGetValueW");
        text.resize(wcsnlen(text.c_str(), text.size()));
        return ToUtf8(text);
    }
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
