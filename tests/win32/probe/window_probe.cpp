// Lets scripts/wine_window_screenshot.sh look at Tidemark.exe from outside,
// under the same wineserver, as any other program on the desktop could:
//   controls         the child windows of the top-level window "Tidemark",
//                    one a line: id, enabled (1 or 0), class, text
//   follow STOPFILE  the same, then every change to those lines, each with
//                    the milliseconds since the start in front, until
//                    STOPFILE exists or the window is gone
//   documents        the Documents folder as SHGetFolderPath reports it
// Text is UTF-8. Exit codes: 1 no such window, 2 follow ran out of time,
// 3 no Documents folder, 4 usage.

#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

#include "wide_text.h"

namespace {

constexpr DWORD kFollowLimitMs = 60'000;
// Far below the 500 ms the status line may keep a text before a tick replaces it.
constexpr DWORD kFollowStepMs = 5;

struct Child {
    HWND handle;
    std::string line;
};

// GetWindowTextW, not WM_GETTEXT: it leaves the watched program's message
// queue alone. An edit box's typed text is not seen this way, only its
// labels', buttons' and status line's.
std::string TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return tidemark::win32::ToUtf8(text);
}

std::string LineOf(HWND window) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return std::to_string(GetDlgCtrlID(window)) + '\t' + (IsWindowEnabled(window) ? '1' : '0') + '\t' +
           tidemark::win32::ToUtf8(className) + '\t' + TextOf(window);
}

BOOL CALLBACK AddChild(HWND window, LPARAM children) {
    reinterpret_cast<std::vector<Child>*>(children)->push_back({window, LineOf(window)});
    return TRUE;
}

std::vector<Child> Children(HWND window) {
    std::vector<Child> children;
    EnumChildWindows(window, &AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);  // the script reads the lines while this still runs
}

int Controls(HWND window) {
    for (const Child& child : Children(window)) Print(child.line);
    return 0;
}

int Follow(HWND window, const std::wstring& stopFile) {
    const ULONGLONG start = GetTickCount64();
    auto stamped = [start](const std::string& line) { Print(std::to_string(GetTickCount64() - start) + '\t' + line); };
    std::vector<Child> seen = Children(window);
    for (const Child& child : seen) stamped(child.line);
    while (GetFileAttributesW(stopFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (!IsWindow(window)) return 0;
        if (GetTickCount64() - start > kFollowLimitMs) return 2;
        Sleep(kFollowStepMs);
        for (Child& child : seen) {
            std::string line = LineOf(child.handle);
            if (line == child.line) continue;
            child.line = std::move(line);
            stamped(child.line);
        }
    }
    return 0;
}

int Documents() {
    wchar_t path[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return 3;
    Print(tidemark::win32::ToUtf8(path));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // LF only, as the script reads it
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"documents" && argc == 2) return Documents();
    if (!((command == L"controls" && argc == 2) || (command == L"follow" && argc == 3))) {
        std::fputs("usage: tidemark_window_probe controls | follow STOPFILE | documents\n", stderr);
        return 4;
    }
    const HWND window = FindWindowW(nullptr, L"Tidemark");
    if (window == nullptr) return 1;
    return command == L"controls" ? Controls(window) : Follow(window, argv[2]);
}
