#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace tidemark::win32 {

// Runs a text field's Validate handler when the focus is about to leave it
// for another control of the window: a click, an access key (which clicks
// its button with a mouse press and release), Tab or Shift+Tab. When the
// handler cancels, the focus stays in the field and the control that was to
// get it gets neither the focus nor its click.
//
// By the time the field hears WM_KILLFOCUS the other control has the focus
// and its click is on the way, so the guard works one step earlier: it
// subclasses the controls and decides on their mouse press, and handles Tab
// in the fields itself.
class FocusLeaveGuard {
public:
    // Answers true to keep the focus in the field. It runs inside window
    // procedures, so it must not throw.
    using Validate = std::function<bool()>;

    explicit FocusLeaveGuard(HWND window) : window_(window) {}
    FocusLeaveGuard(const FocusLeaveGuard&) = delete;
    FocusLeaveGuard& operator=(const FocusLeaveGuard&) = delete;
    ~FocusLeaveGuard();

    void Guard(HWND field, Validate validate);
    // A control that can take the focus by a click.
    void Watch(HWND control);

private:
    struct GuardedField {
        HWND field;
        Validate validate;
    };
    // A press held back while the field validates, with a release that came meanwhile.
    struct HeldPress {
        HWND control = nullptr;
        bool released = false;
        WPARAM releaseKeys = 0;
        LPARAM releasePoint = 0;
    };

    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT OnMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT MousePressed(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    void TabFrom(HWND field, bool backwards);
    // Validates the field that has the focus, if another control is to get it.
    bool FocusMayMoveTo(HWND control);
    const GuardedField* Guarded(HWND window) const;
    void Subclass(HWND control);
    void Unsubclass(HWND control);

    HWND window_;
    std::vector<GuardedField> fields_;
    std::vector<HWND> subclassed_;
    HeldPress held_;
    bool validating_ = false;
};

}  // namespace tidemark::win32
