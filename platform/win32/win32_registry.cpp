#include "win32_registry.h"

#include <cwchar>
#include <utility>

namespace tidemark::win32 {

LSTATUS ReadRegistryString(HKEY key, const wchar_t* name, DWORD typeFlags, std::wstring& text) {
    DWORD bytes = 0;
    LSTATUS status = RegGetValueW(key, nullptr, name, typeFlags, nullptr, nullptr, &bytes);
    while (status == ERROR_SUCCESS) {
        std::wstring read(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(read.size() * sizeof(wchar_t));
        status = RegGetValueW(key, nullptr, name, typeFlags, nullptr, read.data(), &bytes);
        if (status == ERROR_SUCCESS) {
            read.resize(wcsnlen(read.c_str(), read.size()));
            text = std::move(read);
            return ERROR_SUCCESS;
        }
        // The value grew since its size was asked (or expands to more than
        // it is stored as): `bytes` now holds the size it needs.
        if (status == ERROR_MORE_DATA) status = ERROR_SUCCESS;
    }
    return status;
}

}  // namespace tidemark::win32
