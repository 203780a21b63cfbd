#include "win32_controls.h"

#include <commctrl.h>

#include "wide_text.h"
#include "win32_error.h"

namespace tidemark::win32 {

namespace {
constexpr int kMaxToolTipWidth = 600;  // pixels; any width turns "\n" into a line break

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassOf(ControlKind kind) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case ControlKind::CheckBox: return {L"BUTTON", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::TextBox: return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
        case ControlKind::CommandButton: return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::Frame: return {kFrameClassName, kChild | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
        case ControlKind::Label: return {L"STATIC", kChild | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
        case ControlKind::Timer: break;
    }
    throw PlatformError(kEInvalidArg, "a timer has no window");
}

// The icon resource at the size the system draws it; shared, so it lives as
// long as the module. Null when the module has no such resource.
HICON IconOfSize(HINSTANCE instance, int iconId, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR | LR_SHARED));
}
}  // namespace

WindowClass::WindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int iconId)
    : instance_(instance), name_(name) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    if (iconId != 0) {
        windowClass.hIcon = IconOfSize(instance, iconId, SM_CXICON, SM_CYICON);
        windowClass.hIconSm = IconOfSize(instance, iconId, SM_CXSMICON, SM_CYSMICON);
    }
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = name;
    if (RegisterClassExW(&windowClass) != 0) {
        registeredHere_ = true;
    } else if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        ThrowLastError("RegisterClassExW");
    }
}

WindowClass::~WindowClass() {
    if (registeredHere_) static_cast<void>(UnregisterClassW(name_, instance_));
}

LRESULT CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY: return SendMessageW(GetParent(frame), message, wParam, lParam);
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc = BeginPaint(frame, &paint);
            RECT border{};
            GetClientRect(frame, &border);
            DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
            EndPaint(frame, &paint);
            return 0;
        }
        default: return DefWindowProcW(frame, message, wParam, lParam);
    }
}

HWND CreateControl(const ControlDescription& control, HWND container, int id, HINSTANCE instance,
                   const TwipScale& scale) {
    const ControlClass kind = ClassOf(control.kind);
    const RECT place = scale.Rect(control.position);
    const std::wstring caption = ToWide(control.caption);
    const HWND window = CreateWindowExW(kind.extendedStyle, kind.className, caption.c_str(), kind.style, place.left,
                                        place.top, place.right - place.left, place.bottom - place.top, container,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (window == nullptr) ThrowLastError("CreateWindowExW");
    return window;
}

namespace {
HWND CreateToolTipWindow(HWND owner, HINSTANCE instance) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
    if (!InitCommonControlsEx(&classes)) throw PlatformError(kEFail, "InitCommonControlsEx");
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                           nullptr);
}
}  // namespace

ToolTips::ToolTips(HWND owner, HINSTANCE instance) : window_(CreateToolTipWindow(owner, instance)) {
    if (!window_) ThrowLastError("CreateWindowExW(tooltips)");
    SendMessageW(window_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxToolTipWidth);
}

// The version 5 size of TTTOOLINFOW: common controls 5 refuse the larger one.
void ToolTips::Add(HWND control, const std::wstring& text) {
    std::wstring copy = text;  // TTM_ADDTOOLW copies it; it only wants a non-const pointer
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = copy.data();
    if (!SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        throw PlatformError(kEFail, "TTM_ADDTOOLW");
}

std::wstring ToolTips::Text(HWND control) const {
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(window_.get(), TTM_GETTEXTW, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(&tool));
    return text;
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

}  // namespace tidemark::win32
