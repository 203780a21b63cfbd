#include "win32/win32_record_files.h"

#include <windows.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "win32/wide_text.h"
#include "win32/win32_error.h"
#include "win32/win32_handles.h"

namespace tidemark::win32 {

namespace {
struct CoTaskMemFreer {
    void operator()(wchar_t* memory) const { CoTaskMemFree(memory); }
};

void WriteAll(HANDLE file, const std::string& bytes, const std::string& path) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD count = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        if (!WriteFile(file, bytes.data() + written, chunk, &count, nullptr)) ThrowLastError("cannot write " + path);
        if (count == 0)
            throw PlatformError(static_cast<HResult>(HRESULT_FROM_WIN32(ERROR_WRITE_FAULT)), "cannot write " + path);
        written += count;
    }
}

unique_hfile Open(const std::string& path, DWORD access, DWORD creation, const char* what) {
    unique_hfile file(CreateFileW(ToWide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowLastError(std::string(what) + " " + path);
    return file;
}
}  // namespace

std::string Win32RecordFiles::Folder() {
    wchar_t* raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &raw);
    const std::unique_ptr<wchar_t, CoTaskMemFreer> local(raw);
    ThrowIfFailed(result, "SHGetKnownFolderPath(LocalAppData)");
    const std::wstring folder = std::wstring(local.get()) + L"\\Tidemark";
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        ThrowLastError("cannot make the folder " + ToUtf8(folder));
    return ToUtf8(folder) + "\\";
}

std::uint64_t Win32RecordFiles::Size(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return 0;
        ThrowLastError("cannot read the size of " + path);
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Win32RecordFiles::Append(const std::string& path, const std::string& bytes) {
    unique_hfile file = Open(path, FILE_APPEND_DATA, OPEN_ALWAYS, "cannot open");
    WriteAll(file.get(), bytes, path);
    if (!CloseHandle(file.release())) ThrowLastError("cannot close " + path);
}

void Win32RecordFiles::Replace(const std::string& from, const std::string& to) {
    if (!MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING))
        ThrowLastError("cannot rename " + from + " to " + to);
}

std::optional<std::string> Win32RecordFiles::Read(const std::string& path) {
    unique_hfile file(CreateFileW(ToWide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
        ThrowLastError("cannot open " + path);
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr)) ThrowLastError("cannot read " + path);
        if (count == 0) return bytes;
        bytes.append(buffer, count);
    }
}

// Through a file beside it, so that a browser showing the old page never sees half a new one.
void Win32RecordFiles::Write(const std::string& path, const std::string& bytes) {
    const std::string partial = path + ".part";
    unique_hfile file = Open(partial, GENERIC_WRITE, CREATE_ALWAYS, "cannot make");
    WriteAll(file.get(), bytes, partial);
    if (!CloseHandle(file.release())) ThrowLastError("cannot close " + partial);
    Replace(partial, path);
}

std::optional<std::string> Win32RecordFiles::LegacyToUtf8(const std::string& bytes) {
    try {
        return AnsiToUtf8(bytes);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

std::string Win32RecordFiles::PathKey(const std::string& path) {
    try {
        const std::wstring wide = ToWide(path);
        const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
        if (needed == 0) return path;
        std::wstring full(needed, L'\0');
        const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
        if (length == 0 || length >= needed) return path;
        full.resize(length);
        // NTFS names are compared without regard to case.
        CharLowerBuffW(full.data(), length);
        return ToUtf8(full);
    } catch (const PlatformError&) {
        return path;
    }
}

void Win32ReportViewer::Show(const std::string& path) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", ToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        throw PlatformError(static_cast<HResult>(HRESULT_FROM_WIN32(static_cast<DWORD>(result))),
                            "the shell could not open " + path);
}

}  // namespace tidemark::win32
