#pragma once

// The Win32 pieces Form1's window is built from: window classes, one child
// control per entry of the layout table, the frame container, tooltips.

#include <windows.h>

#include <string>

#include "app/form1_layout.h"
#include "win32_window_handles.h"
#include "win32_window_metrics.h"

namespace tidemark::win32 {

// A registered window class, unregistered again when this goes (unless it
// was registered already, by an earlier window of the process). With an icon
// id, the class takes that icon resource of the module, large and small.
class WindowClass {
public:
    WindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int iconId = 0);
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;
    ~WindowClass();

    const wchar_t* name() const { return name_; }

private:
    HINSTANCE instance_;
    const wchar_t* name_;
    bool registeredHere_ = false;
};

// Frame1: a plain container with an etched border. Tab and access keys reach
// into it (WS_EX_CONTROLPARENT); its children's notifications go on to the
// main window, which handles them all.
inline constexpr const wchar_t* kFrameClassName = L"TidemarkFrame";
LRESULT CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the control of one table entry inside its container, at its twip
// position, with its caption and the given command id. Tab stops follow
// creation order, so controls must be created in their tab order.
HWND CreateControl(const ControlDescription& control, HWND container, int id, HINSTANCE instance,
                   const TwipScale& scale);

// One tooltip window for all the controls; a "\n" in a text breaks the line.
class ToolTips {
public:
    ToolTips(HWND owner, HINSTANCE instance);

    void Add(HWND control, const std::wstring& text);
    // The text the tooltip shows for the control; empty when it has none.
    std::wstring Text(HWND control) const;

private:
    unique_hwnd window_;
};

std::wstring WindowText(HWND window);

}  // namespace tidemark::win32
