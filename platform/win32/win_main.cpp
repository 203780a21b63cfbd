// Tidemark.exe: Form1 in its Win32 window over the Win32 platform services.

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "app/form1.h"
#include "app/run_records.h"
#include "common/app_identity.h"
#include "common/context.h"
#include "com_apartment.h"
#include "wide_text.h"
#include "win32_file_system.h"
#include "win32_form1_window.h"
#include "win32_record_files.h"
#include "win32_report_command.h"
#include "win32_services.h"
#include "win32_special_folders.h"
#include "win32_unattended.h"

namespace {

void ShowFailure(const std::exception& error) {
    std::wstring text = L"Tidemark stopped: ";
    try {
        text += tidemark::win32::ToWide(error.what());
    } catch (const tidemark::PlatformError&) {
        text += L"(the error's text cannot be shown)";
    }
    MessageBoxW(nullptr, text.c_str(), L"Tidemark", MB_OK | MB_ICONERROR);
}

int RunMessageLoop(tidemark::win32::Win32Form1Window& window) {
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (IsDialogMessageW(window.handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (got < 0) tidemark::win32::ThrowLastError("GetMessageW");
    window.RethrowFailure();
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    using namespace tidemark;
    using namespace tidemark::win32;
    try {
        if (const auto reportStatus = RunReportIfAsked()) return *reportStatus;
        const UnattendedResult unattended = ReadUnattendedArguments(CommandArguments());
        if (const auto* refusal = std::get_if<std::string>(&unattended)) return RefuseUsage(*refusal);
        const UnattendedOptions& options = std::get<UnattendedOptions>(unattended);
        const ComApartment apartment;
        Win32Services services;
        Win32FileSystem files;
        Win32SpecialFolders specialFolders;
        Platform platform = services.MakePlatform(files, specialFolders);
        Context context(platform);
        Win32RecordFiles recordFiles;
        Win32ReportViewer reportViewer;
        RunRecords records(recordFiles, reportViewer, options, services.environment);
        records.ServeTo(context);
        if (options.mode == StartMode::RunOnce) return RunOnceOnConsole(context, options);
        Form1 form(context);

        // The thread gets its message queue, and with it a keyboard state for
        // Form_Load to read Ctrl from.
        MSG none{};
        PeekMessageW(&none, nullptr, 0, 0, PM_NOREMOVE);
        if (form.Form_Load() == ProcessFate::EndAtOnce) return 0;

        // Closing ends the process at once, also from inside a wait of a run,
        // where returning to the message loop would let the run go on.
        Win32Form1Window* shown = nullptr;
        auto endProcess = [&services, &shown] {
            if (services.pump.depth() == 0) {
                PostQuitMessage(0);
                return;
            }
            if (shown != nullptr && shown->failed()) {
                try {
                    shown->RethrowFailure();
                } catch (const std::exception& error) {
                    ShowFailure(error);
                }
            }
            std::fflush(nullptr);
            ExitProcess(0);
        };
        Win32Form1Window window(form, instance, endProcess);
        shown = &window;
        services.mainWindow.handle = window.handle();
        services.pump.SetBeforeEvents([&window] { window.SyncFromForm(); });
        window.Show(showCommand);
        if (options.mode == StartMode::PressStart) PressStartWhenShown(window);
        const int exitCode = RunMessageLoop(window);
        services.mainWindow.handle = nullptr;
        return exitCode;
    } catch (const std::exception& error) {
        ShowFailure(error);
        return 1;
    }
}
