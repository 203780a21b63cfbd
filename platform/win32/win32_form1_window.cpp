#include "win32_form1_window.h"

#include "wide_text.h"
#include "win32_error.h"
#include "win32_resource_ids.h"

namespace tidemark::win32 {

namespace {
constexpr const wchar_t* kWindowClassName = L"TidemarkForm1";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kTimerId = 1;
// Ids below 100 are the dialog manager's: Enter and Escape send IDOK and IDCANCEL.
constexpr int kFirstControlId = 100;

int CheckedValue(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void ShowEnabled(HWND control, bool enabled) {
    if ((IsWindowEnabled(control) != FALSE) != enabled) EnableWindow(control, enabled ? TRUE : FALSE);
}

void ShowText(HWND control, const std::string& text) {
    const std::wstring wanted = ToWide(text);
    if (WindowText(control) != wanted) SetWindowTextW(control, wanted.c_str());
}

void ShowCheck(HWND box, const CheckBox& state, bool frameEnabled) {
    const WPARAM wanted = state.Value == 1 ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(box, BM_GETCHECK, 0, 0)) != wanted) SendMessageW(box, BM_SETCHECK, wanted, 0);
    ShowEnabled(box, frameEnabled && state.Enabled);
}
}  // namespace

Win32Form1Window::Win32Form1Window(Form1& form, HINSTANCE instance, std::function<void()> endProcess)
    : form_(form),
      endProcess_(std::move(endProcess)),
      scale_(SystemDpi()),
      windowClass_(instance, kWindowClassName, &Win32Form1Window::Procedure, TIDEMARK_ICON_ID),
      frameClass_(instance, kFrameClassName, &FrameProcedure) {
    try {
        Build(instance);
        Guard();
        built_ = true;
        SyncFromForm();
    } catch (...) {
        if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
        throw;
    }
}

Win32Form1Window::~Win32Form1Window() {
    built_ = false;
    if (!window_) return;
    if (timerRunning_) KillTimer(window_.get(), kTimerId);
    guard_.reset();
    toolTips_.reset();
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    window_.reset();
}

void Win32Form1Window::Build(HINSTANCE instance) {
    const FormDescription& description = Form1Description();
    const std::wstring fontName = ToWide(description.fontName);
    windowFont_ = CreateWindowFont(fontName, description.fontPoints, scale_);

    RECT outline{0, 0, scale_.Pixels(description.clientWidth), scale_.Pixels(description.clientHeight)};
    if (!AdjustWindowRectEx(&outline, kWindowStyle, FALSE, 0)) ThrowLastError("AdjustWindowRectEx");
    window_.reset(CreateWindowExW(0, kWindowClassName, ToWide(description.caption).c_str(), kWindowStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, outline.right - outline.left, outline.bottom - outline.top, nullptr,
                                  nullptr, instance, this));
    if (!window_) ThrowLastError("CreateWindowExW(Form1)");
    toolTips_ = std::make_unique<ToolTips>(window_.get(), instance);

    // The frame first, so the controls inside it have their parent; then the
    // rest in table order, which puts the tab stops in their tab order.
    int id = kFirstControlId;
    const ControlDescription& frame = Form1Control("Frame1");
    Frame1_ = CreateControl(frame, window_.get(), id++, instance, scale_);
    controls_[{std::string(frame.name), frame.index}] = Frame1_;
    for (const ControlDescription& control : Form1Controls()) {
        if (control.kind == ControlKind::Timer || control.kind == ControlKind::Frame) continue;
        const HWND container = control.container == "Frame1" ? Frame1_ : window_.get();
        const HWND created = CreateControl(control, container, id++, instance, scale_);
        HFONT font = windowFont_.get();
        if (control.fontPoints > 0.0) {
            if (!smallFont_) smallFont_ = CreateWindowFont(fontName, control.fontPoints, scale_);
            font = smallFont_.get();
        }
        if (control.kind == ControlKind::Label) {
            RECT client{};
            GetClientRect(created, &client);
            if (unique_hfont narrowed = NarrowedToFit(font, ToWide(control.caption), client.right)) {
                font = narrowed.get();
                labelFonts_.push_back(std::move(narrowed));
            }
        }
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!control.toolTip.empty()) toolTips_->Add(created, ToWide(control.toolTip));
        if (control.kind == ControlKind::Label && container == Frame1_) frameLabels_.push_back(created);
        controls_[{std::string(control.name), control.index}] = created;
    }
    chkFAST_ = Control("chkFAST");
    chkUSEN_ = Control("chkUSEN");
    chkSPEED_ = Control("chkSPEED");
    chkCloseEdge_ = Control("chkCloseEdge");
    txtFileName_ = Control("txtFileName");
    txtInterval_ = Control("txtInterval");
    cmdStop_ = Control("cmdStop");
    cmdTestNow_ = Control("cmdTestNow");
    cmdStart_ = Control("cmdStart");
    cmdReport_ = Control("cmdReport");
    lblTimeRemain_ = Control("lblTimeRemain");
}

void Win32Form1Window::Guard() {
    guard_ = std::make_unique<FocusLeaveGuard>(window_.get());
    guard_->Guard(txtFileName_, [this] {
        bool cancel = false;
        Run([&] { form_.txtFileName_Validate(cancel); });
        return cancel;
    });
    guard_->Guard(txtInterval_, [this] {
        bool cancel = false;
        Run([&] { form_.txtInterval_Validate(cancel); });
        return cancel;
    });
    for (const HWND control :
         {chkFAST_, chkUSEN_, chkSPEED_, chkCloseEdge_, cmdStop_, cmdTestNow_, cmdStart_, cmdReport_})
        guard_->Watch(control);
}

void Win32Form1Window::Show(int showCommand) {
    ShowWindow(window_.get(), showCommand);
    UpdateWindow(window_.get());
}

HWND Win32Form1Window::Control(const std::string& name, int index) const {
    const auto found = controls_.find({name, index});
    return found == controls_.end() ? nullptr : found->second;
}

void Win32Form1Window::RethrowFailure() {
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

// Nothing may leave a window procedure by an exception: it is kept for the
// message loop, which ends.
template <class Handler>
void Win32Form1Window::Run(Handler&& handler) {
    try {
        handler();
        SyncFromForm();
    } catch (...) {
        if (!failure_) failure_ = std::current_exception();
        PostQuitMessage(1);
    }
}

LRESULT CALLBACK Win32Form1Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || !self->built_) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Win32Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.get();
    switch (message) {
        case WM_COMMAND:
            if (lParam != 0) OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam != kTimerId) break;
            Tick();
            return 0;
        // A window that is not a dialog keeps its focused control itself
        // across deactivation, such as a message box's.
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window, focus)) focusWhenInactive_ = focus;
            } else if (HIWORD(wParam) == 0) {
                if (const HWND candidate = FocusCandidate()) SetFocus(candidate);
            }
            return 0;
        case WM_SETFOCUS:
            if (const HWND candidate = FocusCandidate()) SetFocus(candidate);
            return 0;
        case WM_CLOSE: Close(); return 0;
        case WM_NCDESTROY:
            built_ = false;
            timerRunning_ = false;
            static_cast<void>(window_.release());
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Form1Window::OnCommand(HWND control, UINT code) {
    if (code == EN_CHANGE) {
        if (syncing_) return;
        if (control == txtFileName_) Run([&] { form_.txtFileName.Text = ToUtf8(WindowText(control)); });
        if (control == txtInterval_) Run([&] { form_.txtInterval.Text = ToUtf8(WindowText(control)); });
        return;
    }
    if (code != BN_CLICKED) return;
    if (control == chkFAST_) {
        Run([&] {
            form_.chkFAST.Value = CheckedValue(control);
            form_.chkFAST_Click();
        });
    } else if (control == chkUSEN_) {
        Run([&] {
            form_.chkUSEN.Value = CheckedValue(control);
            form_.chkUSEN_Click();
        });
    } else if (control == chkSPEED_) {
        Run([&] {
            form_.chkSPEED.Value = CheckedValue(control);
            form_.chkSPEED_Click();
        });
    } else if (control == chkCloseEdge_) {
        Run([&] { form_.chkCloseEdge.Value = CheckedValue(control); });
    } else if (control == cmdStart_) {
        Run([&] { form_.cmdStart_Click(); });
    } else if (control == cmdStop_) {
        Run([&] { form_.cmdStop_Click(); });
    } else if (control == cmdTestNow_) {
        Run([&] { form_.cmdTestNow_Click(); });
    } else if (control == cmdReport_) {
        Run([&] { form_.cmdReport_Click(); });
    }
}

// A tick that falls inside a run that an earlier tick started is not delivered.
void Win32Form1Window::Tick() {
    if (inTick_) return;
    inTick_ = true;
    Run([&] { form_.tmrProc_Timer(); });
    inTick_ = false;
}

// Closing cannot be refused: the settings are saved and the process ends.
void Win32Form1Window::Close() {
    ProcessFate fate = ProcessFate::EndAtOnce;
    Run([&] { fate = form_.Form_Unload(); });
    if (fate == ProcessFate::EndAtOnce && endProcess_) endProcess_();
}

void Win32Form1Window::SyncFromForm() {
    if (!built_) return;
    const HWND focusBefore = GetFocus();
    syncing_ = true;
    try {
        const bool frameEnabled = form_.Frame1.Enabled;
        ShowCheck(chkFAST_, form_.chkFAST, frameEnabled);
        ShowCheck(chkUSEN_, form_.chkUSEN, frameEnabled);
        ShowCheck(chkSPEED_, form_.chkSPEED, frameEnabled);
        ShowCheck(chkCloseEdge_, form_.chkCloseEdge, frameEnabled);
        ShowText(txtFileName_, form_.txtFileName.Text);
        ShowEnabled(txtFileName_, frameEnabled && form_.txtFileName.Enabled);
        ShowText(txtInterval_, form_.txtInterval.Text);
        ShowEnabled(txtInterval_, frameEnabled && form_.txtInterval.Enabled);
        // A disabled parent takes its children's input but does not grey
        // them; they are greyed one by one.
        for (const HWND label : frameLabels_) ShowEnabled(label, frameEnabled);
        ShowEnabled(Frame1_, frameEnabled);
        ShowEnabled(cmdStop_, form_.cmdStop.Enabled);
        ShowEnabled(cmdTestNow_, form_.cmdTestNow.Enabled);
        ShowEnabled(cmdStart_, form_.cmdStart.Enabled);
        ShowEnabled(cmdReport_, form_.cmdReport.Enabled);
        ShowText(lblTimeRemain_, form_.lblTimeRemain.Caption);
    } catch (...) {
        syncing_ = false;
        throw;
    }
    syncing_ = false;

    const int interval = form_.tmrProc.Interval;
    if (form_.tmrProc.Enabled && (!timerRunning_ || timerInterval_ != interval)) {
        if (SetTimer(window_.get(), kTimerId, static_cast<UINT>(interval), nullptr) == 0) ThrowLastError("SetTimer");
        timerRunning_ = true;
        timerInterval_ = interval;
    } else if (!form_.tmrProc.Enabled && timerRunning_) {
        KillTimer(window_.get(), kTimerId);
        timerRunning_ = false;
    }
    KeepFocusUsable(focusBefore);
}

HWND Win32Form1Window::FocusCandidate() const {
    const HWND window = window_.get();
    if (focusWhenInactive_ != nullptr && IsWindow(focusWhenInactive_) && IsWindowEnabled(focusWhenInactive_) &&
        IsWindowVisible(focusWhenInactive_))
        return focusWhenInactive_;
    const HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    return first != nullptr && first != window && IsWindowEnabled(first) ? first : nullptr;
}

// A control that is disabled while it has the focus loses it, and then the
// keyboard reaches nothing; the focus moves on to the next control that
// takes it, or to the window, where the access keys still work.
void Win32Form1Window::KeepFocusUsable(HWND focusBefore) {
    const HWND window = window_.get();
    if (GetActiveWindow() != window) return;
    const HWND focus = GetFocus();
    if (focus != nullptr && focus != window && IsWindowEnabled(focus)) return;
    HWND next = nullptr;
    if (focusBefore != nullptr && IsChild(window, focusBefore)) next = GetNextDlgTabItem(window, focusBefore, FALSE);
    if (next == nullptr || next == window || !IsWindowEnabled(next)) next = FocusCandidate();
    if (next != nullptr) {
        SetFocus(next);
    } else if (focus != window) {
        SetFocus(window);
    }
}

}  // namespace tidemark::win32
