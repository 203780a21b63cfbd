// Tidemark.exe until the window arrives: sets up COM and the platform and
// checks that UI Automation can be created, which the program cannot do
// without.

#include <windows.h>

#include <string>

#include "com_apartment.h"
#include "unavailable_files.h"
#include "wide_text.h"
#include "win32_services.h"

namespace {
int Fail(const std::string& what, const tidemark::PlatformError& error) {
    const std::wstring text = tidemark::win32::ToWide(what + " (" + tidemark::HResultText(error.code()) + ").");
    MessageBoxW(nullptr, text.c_str(), L"Tidemark", MB_OK | MB_ICONERROR);
    return 1;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace tidemark::win32;
    try {
        const ComApartment apartment;
        Win32Services services;
        UnavailableFileSystem files;
        UnavailableSpecialFolders specialFolders;
        const tidemark::Platform platform = services.MakePlatform(files, specialFolders);
        try {
            const auto automation = platform.automationFactory.CreateAutomation();
        } catch (const tidemark::PlatformError& error) {
            return Fail("UI Automation is not available on this system", error);
        }
        return 0;
    } catch (const tidemark::PlatformError& error) {
        return Fail("COM could not be initialised", error);
    }
}
