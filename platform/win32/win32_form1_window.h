#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/form1_layout.h"
#include "win32_controls.h"
#include "win32_focus_leave_guard.h"
#include "win32_window_handles.h"
#include "win32_window_metrics.h"

namespace tidemark::win32 {

// Form1 drawn with Win32 controls at its twip positions. The controls show
// the form's state and hand every user event to the form's handlers. The
// window's message loop must pass messages through IsDialogMessageW for Tab
// and the access keys.
class Win32Form1Window {
public:
    // endProcess is called once Form_Unload has run.
    Win32Form1Window(Form1& form, HINSTANCE instance, std::function<void()> endProcess);
    Win32Form1Window(const Win32Form1Window&) = delete;
    Win32Form1Window& operator=(const Win32Form1Window&) = delete;
    ~Win32Form1Window();

    HWND handle() const { return window_.get(); }
    void Show(int showCommand);

    // Draws the form's current state: values, texts, enabled flags, status line, timer.
    void SyncFromForm();

    // The window of a control of the layout table; null for an unknown one.
    HWND Control(const std::string& name, int index = -1) const;
    std::wstring ToolTipText(HWND control) const { return toolTips_->Text(control); }

    // A handler that threw inside a window procedure left its exception here
    // and posted WM_QUIT; the message loop's owner rethrows it.
    void RethrowFailure();
    bool failed() const { return failure_ != nullptr; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Build(HINSTANCE instance);
    void Guard();
    void OnCommand(HWND control, UINT code);
    void Tick();
    void Close();
    // Runs a handler of the form and draws the form after it.
    template <class Handler>
    void Run(Handler&& handler);
    HWND FocusCandidate() const;
    void KeepFocusUsable(HWND focusBefore);

    Form1& form_;
    std::function<void()> endProcess_;
    TwipScale scale_;
    WindowClass windowClass_;
    WindowClass frameClass_;
    unique_hfont windowFont_;
    unique_hfont smallFont_;
    std::vector<unique_hfont> labelFonts_;  // narrowed to fit, where the font is a wider stand-in
    unique_hwnd window_;
    std::unique_ptr<ToolTips> toolTips_;
    std::unique_ptr<FocusLeaveGuard> guard_;
    std::map<std::pair<std::string, int>, HWND> controls_;
    std::vector<HWND> frameLabels_;
    HWND chkFAST_ = nullptr;
    HWND chkUSEN_ = nullptr;
    HWND chkSPEED_ = nullptr;
    HWND chkCloseEdge_ = nullptr;
    HWND txtFileName_ = nullptr;
    HWND txtInterval_ = nullptr;
    HWND cmdStop_ = nullptr;
    HWND cmdTestNow_ = nullptr;
    HWND cmdStart_ = nullptr;
    HWND cmdReport_ = nullptr;
    HWND Frame1_ = nullptr;
    HWND lblTimeRemain_ = nullptr;
    HWND focusWhenInactive_ = nullptr;
    bool built_ = false;
    bool syncing_ = false;
    bool inTick_ = false;
    bool timerRunning_ = false;
    int timerInterval_ = 0;
    std::exception_ptr failure_;
};

}  // namespace tidemark::win32
