#include "screenshot_hold.h"

#include <cstdio>
#include <string>

namespace tidemark::win32::testing {

namespace {
constexpr DWORD kAnswerTimeoutMs = 60'000;

std::wstring Folder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"TIDEMARK_SCREENSHOT_DIR", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

bool WriteReady(const std::wstring& path, const RECT& place) {
    FILE* file = _wfopen(path.c_str(), L"w");
    if (file == nullptr) return false;
    std::fprintf(file, "%ld %ld %ld %ld\n", place.left, place.top, place.right - place.left, place.bottom - place.top);
    return std::fclose(file) == 0;
}
}  // namespace

bool HoldForScreenshot(HWND window, const std::wstring& name) {
    const std::wstring folder = Folder();
    if (folder.empty()) return true;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT place{};
    GetWindowRect(window, &place);
    const std::wstring done = folder + L"\\" + name + L".done";
    DeleteFileW(done.c_str());
    if (!WriteReady(folder + L"\\" + name + L".ready", place)) return false;

    const ULONGLONG deadline = GetTickCount64() + kAnswerTimeoutMs;
    while (GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount64() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

}  // namespace tidemark::win32::testing
