#include "win32_focus_leave_guard.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "win32_error.h"

namespace tidemark::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 0x7464;  // "td"
}  // namespace

FocusLeaveGuard::~FocusLeaveGuard() {
    for (const HWND control : subclassed_)
        static_cast<void>(RemoveWindowSubclass(control, &FocusLeaveGuard::Procedure, kSubclassId));
}

void FocusLeaveGuard::Guard(HWND field, Validate validate) {
    fields_.push_back({field, std::move(validate)});
    Subclass(field);
}

void FocusLeaveGuard::Watch(HWND control) { Subclass(control); }

void FocusLeaveGuard::Subclass(HWND control) {
    if (std::find(subclassed_.begin(), subclassed_.end(), control) != subclassed_.end()) return;
    if (!SetWindowSubclass(control, &FocusLeaveGuard::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        throw PlatformError(kEFail, "SetWindowSubclass");
    subclassed_.push_back(control);
}

void FocusLeaveGuard::Unsubclass(HWND control) {
    static_cast<void>(RemoveWindowSubclass(control, &FocusLeaveGuard::Procedure, kSubclassId));
    std::erase(subclassed_, control);
}

const FocusLeaveGuard::GuardedField* FocusLeaveGuard::Guarded(HWND window) const {
    for (const GuardedField& guarded : fields_)
        if (guarded.field == window) return &guarded;
    return nullptr;
}

LRESULT CALLBACK FocusLeaveGuard::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
    return reinterpret_cast<FocusLeaveGuard*>(self)->OnMessage(control, message, wParam, lParam);
}

LRESULT FocusLeaveGuard::OnMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool isField = Guarded(control) != nullptr;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: return MousePressed(control, message, wParam, lParam);
        case WM_LBUTTONUP:
            if (held_.control == control) {
                held_.released = true;
                held_.releaseKeys = wParam;
                held_.releasePoint = lParam;
                return 0;
            }
            break;
        // An edit's context menu takes the focus first.
        case WM_CONTEXTMENU:
            if (isField && !FocusMayMoveTo(control)) return 0;
            break;
        // Tab in a field is the guard's to handle, so it can refuse to move on.
        case WM_GETDLGCODE:
            if (isField) return DefSubclassProc(control, message, wParam, lParam) | DLGC_WANTTAB;
            break;
        case WM_KEYDOWN:
            if (isField && wParam == VK_TAB) {
                TabFrom(control, GetKeyState(VK_SHIFT) < 0);
                return 0;
            }
            break;
        case WM_CHAR:
            if (isField && wParam == L'\t') return 0;
            break;
        case WM_NCDESTROY: {
            const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
            Unsubclass(control);
            return result;
        }
        default: break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

// The press that would move the focus waits for the validation; a release
// that the validation's own message processing delivers waits with it. A
// refused press is dropped, and a button ignores a release it was not
// pressed for.
LRESULT FocusLeaveGuard::MousePressed(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (validating_) return 0;
    held_ = {control};
    const bool mayMove = FocusMayMoveTo(control);
    const HeldPress press = std::exchange(held_, HeldPress{});
    if (!mayMove) return 0;
    const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
    if (press.released && IsWindow(control)) SendMessageW(control, WM_LBUTTONUP, press.releaseKeys, press.releasePoint);
    return result;
}

void FocusLeaveGuard::TabFrom(HWND field, bool backwards) {
    const HWND next = GetNextDlgTabItem(window_, field, backwards ? TRUE : FALSE);
    if (next == nullptr || next == field || !FocusMayMoveTo(next)) return;
    SetFocus(next);
    // As the dialog manager does: a field reached by Tab has its text selected.
    if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) SendMessageW(next, EM_SETSEL, 0, -1);
}

bool FocusLeaveGuard::FocusMayMoveTo(HWND control) {
    const HWND focus = GetFocus();
    const GuardedField* guarded = Guarded(focus);
    if (guarded == nullptr || focus == control || validating_ || !IsWindowEnabled(focus)) return true;

    validating_ = true;
    const bool cancel = guarded->validate();
    validating_ = false;
    if (!cancel) return true;
    // A message box had the focus meanwhile; the field takes it back, and
    // with it the window's activation.
    if (IsWindow(focus) && GetFocus() != focus) SetFocus(focus);
    return false;
}

}  // namespace tidemark::win32
