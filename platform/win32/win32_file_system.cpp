#include "win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "win32/wide_text.h"
#include "win32/win32_error.h"
#include "win32/win32_handles.h"

namespace tidemark::win32 {

namespace {

// No "insert a disk" dialog while a volume is asked about.
class CriticalErrorsQuiet {
public:
    CriticalErrorsQuiet() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    CriticalErrorsQuiet(const CriticalErrorsQuiet&) = delete;
    CriticalErrorsQuiet& operator=(const CriticalErrorsQuiet&) = delete;
    ~CriticalErrorsQuiet() { SetErrorMode(previous_); }

private:
    UINT previous_;
};

bool VolumeAnswers(const wchar_t* root) {
    return GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) != 0;
}

}  // namespace

std::vector<Drive> Win32FileSystem::Drives() {
    const CriticalErrorsQuiet quiet;
    std::vector<Drive> drives;
    const DWORD present = GetLogicalDrives();
    for (int index = 0; index < 26; ++index) {
        if ((present & (DWORD{1} << index)) == 0) continue;
        const wchar_t letter = static_cast<wchar_t>(L'A' + index);
        const wchar_t root[] = {letter, L':', L'\\', L'\0'};
        const UINT type = GetDriveTypeW(root);
        if (type == DRIVE_NO_ROOT_DIR) continue;
        // Fixed disks are always there; the others (card readers, optical, network) may have no volume.
        const bool ready = type == DRIVE_FIXED || type == DRIVE_RAMDISK || VolumeAnswers(root);
        drives.push_back({std::string{static_cast<char>('A' + index), ':'}, ready});
    }
    return drives;
}

FoundEntry Win32FileSystem::FindFirst(const std::string& path) {
    WIN32_FIND_DATAW found{};
    const unique_hfind search(FindFirstFileW(ToWide(path).c_str(), &found));
    if (!search) return FoundEntry::None;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FoundEntry::Directory : FoundEntry::File;
}

bool Win32FileSystem::FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::uint32_t Win32FileSystem::GetAttributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) ThrowLastError("cannot read the attributes of " + path);
    return attributes;
}

void Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    DWORD settable = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY);
    if (settable == 0) settable = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileAttributesW(ToWide(path).c_str(), settable)) ThrowLastError("cannot set the attributes of " + path);
}

bool Win32FileSystem::OpenExclusive(const std::string& path) {
    const unique_hfile file(
        CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

void Win32FileSystem::Append(const std::string& path, const std::string& text) {
    const std::string bytes = Utf8ToAnsi(text);
    unique_hfile file(CreateFileW(ToWide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) ThrowLastError("cannot open " + path + " for appending");
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD count = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        if (!WriteFile(file.get(), bytes.data() + written, chunk, &count, nullptr))
            ThrowLastError("cannot write " + path);
        if (count == 0)
            throw PlatformError(static_cast<HResult>(HRESULT_FROM_WIN32(ERROR_WRITE_FAULT)), "cannot write " + path);
        written += count;
    }
    // The last bytes may fail only at the close.
    if (!CloseHandle(file.release())) ThrowLastError("cannot close " + path);
}

}  // namespace tidemark::win32
