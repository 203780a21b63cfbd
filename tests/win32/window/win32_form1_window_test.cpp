// Form1's Win32 window on the Win32 services (Wine here), driven by input
// from the system's input queue. Settings stay in memory and messages are
// recorded, except in the test that lets MessageBoxW run its modal loop.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/form1.h"
#include "app/form1_layout.h"
#include "app/form_validation.h"
#include "com_apartment.h"
#include "screenshot_hold.h"
#include "wide_text.h"
#include "win32_file_system.h"
#include "win32_form1_window.h"
#include "win32_services.h"
#include "win32_special_folders.h"
#include "window_test_input.h"

namespace tidemark::win32 {
namespace {

using testing::ClickOn;
using testing::PressKeys;
using testing::TypeText;

struct MemorySettings : SettingsStore {
    std::optional<std::string> Get(const std::string& app, const std::string& section,
                                   const std::string& key) override {
        const auto found = values.find(app + "/" + section + "/" + key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Set(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override {
        values[app + "/" + section + "/" + key] = value;
    }
    std::map<std::string, std::string> values;
};

struct RecordedMessages : MessageBoxes {
    MessageAnswer Show(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
        shown.push_back(text);
        return MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
};

// Counts the clicks that reach the main window from its controls.
class ClickCounter {
public:
    explicit ClickCounter(HWND window) : window_(window) {
        SetWindowSubclass(window_, &ClickCounter::Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ClickCounter(const ClickCounter&) = delete;
    ClickCounter& operator=(const ClickCounter&) = delete;
    ~ClickCounter() { RemoveWindowSubclass(window_, &ClickCounter::Procedure, 1); }
    int operator[](HWND control) const { return clicks_.count(control) ? clicks_.at(control) : 0; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self) {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            ++reinterpret_cast<ClickCounter*>(self)->clicks_[reinterpret_cast<HWND>(lParam)];
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND window_;
    std::map<HWND, int> clicks_;
};

int ExpectedPixels(int twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT PlaceInParent(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// How wide the control draws its own text with its own font.
int DrawnTextWidth(HWND control) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring text = WindowText(control);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size.cx;
}

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

class Win32WindowTest : public ::testing::Test {
protected:
    explicit Win32WindowTest(MessageBoxes* boxes = nullptr) : boxesInUse(boxes ? *boxes : messages) {}

    void SetUp() override {
        ASSERT_EQ(form.Form_Load(), ProcessFate::KeepRunning);
        startupMessages = messages.shown.size();
        window = std::make_unique<Win32Form1Window>(form, GetModuleHandleW(nullptr), [this] { ++endProcessCalls; });
        services.mainWindow.handle = window->handle();
        services.pump.SetBeforeEvents([this] { window->SyncFromForm(); });
        clicks = std::make_unique<ClickCounter>(window->handle());
        SetWindowPos(window->handle(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        window->Show(SW_SHOWNORMAL);
        SetForegroundWindow(window->handle());
        Settle();
        ASSERT_EQ(GetActiveWindow(), window->handle());
    }

    void TearDown() override {
        clicks.reset();
        services.mainWindow.handle = nullptr;
        services.pump.SetBeforeEvents({});
        window.reset();
        Settle();
    }

    // What the window's message loop would do with the input queued so far.
    void Settle() {
        for (int round = 0; round < 5; ++round) services.pump.DoEvents();
    }

    HWND C(const std::string& name, int index = -1) {
        const HWND control = window->Control(name, index);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void Click(HWND control) {
        ClickOn(control);
        Settle();
    }

    void Keys(std::initializer_list<WORD> keys) {
        PressKeys(keys);
        Settle();
    }

    // Focuses the field by a click and types over its text.
    void TypeInto(HWND field, std::wstring_view text) {
        Click(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        TypeText(text);
        Settle();
    }

    std::size_t MessageCount() const { return messages.shown.size() - startupMessages; }
    std::string LastMessage() const { return messages.shown.empty() ? "" : messages.shown.back(); }

    ComApartment apartment;
    Win32Services services;
    MemorySettings settings;
    RecordedMessages messages;
    MessageBoxes& boxesInUse;
    Win32InstanceLock lock{L"Local\\TidemarkTest.Window." + std::to_wstring(GetCurrentProcessId())};
    Win32FileSystem files;
    Win32SpecialFolders specialFolders;
    Platform platform{services.clock,
                      services.sleeper,
                      services.pump,
                      services.keyboard,
                      settings,
                      lock,
                      boxesInUse,
                      services.processStarter,
                      services.browserLocation,
                      services.windowOrder,
                      services.beeper,
                      services.environment,
                      services.locale,
                      services.automationFactory,
                      files,
                      specialFolders};
    Context context{platform};
    Form1 form{context};
    std::size_t startupMessages = 0;
    int endProcessCalls = 0;
    std::unique_ptr<Win32Form1Window> window;
    std::unique_ptr<ClickCounter> clicks;
};

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

TEST_F(Win32WindowTest, ControlsSitAtTheirTwipPositionsWithCaptionsFontsTooltipsAndTabOrder) {
    // Wine has no UI Automation: the window comes up all the same, after saying so.
    if (!context.automation.initialised) {
        ASSERT_EQ(startupMessages, 1u);
        EXPECT_EQ(messages.shown[0].rfind("UI Automation could not be started (error 0x80040154)", 0), 0u)
            << messages.shown[0];
    }
    const HWND main = window->handle();
    const int dpi = ScreenDpi();
    EXPECT_EQ(WindowText(main), L"Tidemark");
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, ExpectedPixels(3255, dpi));
    EXPECT_EQ(client.bottom, ExpectedPixels(2835, dpi));

    const HWND frame = C("Frame1");
    for (const ControlDescription& control : Form1Controls()) {
        if (control.kind == ControlKind::Timer) continue;
        const HWND created = C(std::string(control.name), control.index);
        ASSERT_NE(created, nullptr);
        const std::string name = std::string(control.name) + "[" + std::to_string(control.index) + "]";
        EXPECT_EQ(GetParent(created), control.container == "Frame1" ? frame : main) << name;

        const RECT place = PlaceInParent(created);
        EXPECT_LE(std::abs(place.left - ExpectedPixels(control.position.left, dpi)) +
                      std::abs(place.top - ExpectedPixels(control.position.top, dpi)),
                  1)
            << name;
        EXPECT_LE(std::abs(place.right - place.left - ExpectedPixels(control.position.width, dpi)) +
                      std::abs(place.bottom - place.top - ExpectedPixels(control.position.height, dpi)),
                  2)
            << name;

        const auto style = static_cast<DWORD>(GetWindowLongPtrW(created, GWL_STYLE));
        EXPECT_EQ((style & WS_TABSTOP) != 0, control.tabIndex >= 0) << name;
        switch (control.kind) {
            case ControlKind::CheckBox:
                EXPECT_EQ(ClassOf(created), L"Button") << name;
                EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX)) << name;
                break;
            case ControlKind::CommandButton:
                EXPECT_EQ(ClassOf(created), L"Button") << name;
                EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON)) << name;
                break;
            case ControlKind::TextBox: EXPECT_EQ(ClassOf(created), L"Edit") << name; break;
            case ControlKind::Label: {
                EXPECT_EQ(ClassOf(created), L"Static") << name;
                RECT inside{};
                GetClientRect(created, &inside);
                EXPECT_LE(DrawnTextWidth(created), inside.right) << name << " is cut off";
                break;
            }
            default: break;
        }
        if (control.kind != ControlKind::TextBox && control.kind != ControlKind::Frame) {
            EXPECT_EQ(WindowText(created), ToWide(control.caption)) << name;
        }
        if (control.kind != ControlKind::Frame) {
            const LOGFONTW font = FontOf(created);
            EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック") << name;
            EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET) << name;
            const double points = control.fontPoints > 0.0 ? control.fontPoints : 11.25;
            const long height = -std::lround(points * dpi / 72.0);
            // A label may be drawn up to two pixels lower, where a stand-in face is too wide for it.
            if (control.kind == ControlKind::Label) {
                EXPECT_LE(std::abs(font.lfHeight - height), 2) << name;
            } else {
                EXPECT_EQ(font.lfHeight, height) << name;
            }
        }
        EXPECT_EQ(window->ToolTipText(created), ToWide(control.toolTip)) << name;
    }

    // Settings of a first start, and the buttons of the idle state.
    EXPECT_EQ(WindowText(C("txtFileName")), L"Tidemark");
    EXPECT_EQ(WindowText(C("txtInterval")), L"30");
    for (const char* box : {"chkFAST", "chkUSEN", "chkSPEED", "chkCloseEdge"}) EXPECT_TRUE(Checked(C(box))) << box;
    EXPECT_TRUE(IsWindowEnabled(C("cmdStart")));
    EXPECT_FALSE(IsWindowEnabled(C("cmdStop")));
    EXPECT_FALSE(IsWindowEnabled(C("cmdTestNow")));
    EXPECT_EQ(GetFocus(), C("chkFAST"));

    // Tab order as the dialog manager walks it; the disabled buttons are passed over.
    HWND focus = C("chkFAST");
    for (const char* next :
         {"chkUSEN", "chkSPEED", "txtFileName", "txtInterval", "chkCloseEdge", "cmdStart", "cmdReport", "chkFAST"}) {
        focus = GetNextDlgTabItem(main, focus, FALSE);
        EXPECT_EQ(focus, C(next)) << next;
    }
    // And the keyboard follows it, through the fields' own Tab handling too.
    for (const char* next : {"chkUSEN", "chkSPEED", "txtFileName", "txtInterval", "chkCloseEdge"}) {
        Keys({VK_TAB});
        EXPECT_EQ(GetFocus(), C(next)) << next;
    }
    Keys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), C("txtInterval"));
    EXPECT_EQ(SendMessageW(C("txtInterval"), EM_GETSEL, 0, 0), MAKELRESULT(0, 2)) << "text selected on arrival";
    Keys({VK_TAB});
    EXPECT_EQ(MessageCount(), 0u);

    EXPECT_TRUE(testing::HoldForScreenshot(main, L"idle")) << "the screenshot script did not answer";
}

TEST_F(Win32WindowTest, ARefusedIntervalKeepsTheFocusAndSwallowsTheClickTabAndAccessKey) {
    const HWND interval = C("txtInterval");
    const HWND start = C("cmdStart");
    TypeInto(interval, L"2");
    EXPECT_EQ(form.txtInterval.Text, "2");
    ASSERT_EQ(GetFocus(), interval);

    Click(start);
    EXPECT_EQ(MessageCount(), 1u);
    EXPECT_EQ(LastMessage(), kIntervalMinimumMessage);
    EXPECT_EQ(GetFocus(), interval);
    EXPECT_EQ((*clicks)[start], 0);
    EXPECT_EQ(SendMessageW(start, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    Keys({VK_TAB});
    EXPECT_EQ(MessageCount(), 2u);
    EXPECT_EQ(GetFocus(), interval);
    Keys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(MessageCount(), 3u);
    EXPECT_EQ(GetFocus(), interval);
    EXPECT_EQ(WindowText(interval), L"2") << "no tab character typed into the field";

    Keys({VK_MENU, 'S'});  // Start's access key clicks it
    EXPECT_EQ(MessageCount(), 4u);
    EXPECT_EQ((*clicks)[start], 0);
    EXPECT_EQ(GetFocus(), interval);

    // A text that is no number keeps the focus without a word.
    SendMessageW(interval, EM_SETSEL, 0, -1);
    TypeText(L"abc");
    Settle();
    Click(start);
    EXPECT_EQ(MessageCount(), 4u);
    EXPECT_EQ(GetFocus(), interval);
    EXPECT_EQ((*clicks)[start], 0);

    // Once the interval passes, a click gets through with its focus.
    SendMessageW(interval, EM_SETSEL, 0, -1);
    TypeText(L"5");
    Settle();
    const HWND closeEdge = C("chkCloseEdge");
    Click(closeEdge);
    EXPECT_EQ(MessageCount(), 4u);
    EXPECT_EQ(GetFocus(), closeEdge);
    EXPECT_EQ((*clicks)[closeEdge], 1);
    EXPECT_EQ(form.chkCloseEdge.Value, 0);
}

TEST_F(Win32WindowTest, ARefusedFileNameKeepsACheckBoxAndTheOtherFieldFromTheClick) {
    const HWND fileName = C("txtFileName");
    const HWND usen = C("chkUSEN");
    TypeInto(fileName, L"CON");
    Click(usen);
    EXPECT_EQ(LastMessage(), kInvalidFileNameMessage);
    EXPECT_TRUE(Checked(usen));
    EXPECT_EQ(form.chkUSEN.Value, 1);
    EXPECT_EQ(GetFocus(), fileName);

    Click(C("txtInterval"));
    EXPECT_EQ(MessageCount(), 2u);
    EXPECT_EQ(GetFocus(), fileName);
    // A click in the field itself is no leaving.
    Click(fileName);
    EXPECT_EQ(MessageCount(), 2u);

    SendMessageW(fileName, EM_SETSEL, 0, -1);
    TypeText(L"home line");
    Settle();
    Click(usen);
    EXPECT_FALSE(Checked(usen));
    EXPECT_EQ(form.chkUSEN.Value, 0);
    EXPECT_EQ(form.txtFileName.Text, "home line");
    EXPECT_EQ(GetFocus(), usen);
    EXPECT_EQ(MessageCount(), 2u);
}

TEST_F(Win32WindowTest, ClicksReachTheFormAndClosingSavesWhatWasTyped) {
    const HWND start = C("cmdStart");
    for (const char* box : {"chkFAST", "chkUSEN", "chkSPEED"}) Click(C(box));
    EXPECT_FALSE(IsWindowEnabled(start));
    Click(C("chkSPEED"));
    EXPECT_TRUE(IsWindowEnabled(start));
    TypeInto(C("txtInterval"), L"2");

    PostMessageW(window->handle(), WM_CLOSE, 0, 0);
    Settle();
    EXPECT_EQ(endProcessCalls, 1);
    EXPECT_EQ(settings.values["Tidemark/Setting/chkFAST"], "0");
    EXPECT_EQ(settings.values["Tidemark/Setting/chkUSEN"], "0");
    EXPECT_EQ(settings.values["Tidemark/Setting/chkSPEED"], "1");
    EXPECT_EQ(settings.values["Tidemark/Setting/txtInterval"], "2");
    EXPECT_EQ(settings.values["Tidemark/Setting/txtFileName"], "Tidemark");
    EXPECT_EQ(settings.values.size(), 6u);
    EXPECT_EQ(MessageCount(), 0u) << "closing does not validate";
}

TEST_F(Win32WindowTest, TheArmedStateLocksTheFrameAndMovesTheFocusToStop) {
    const HWND stop = C("cmdStop");
    form.Frame1.Enabled = false;
    form.cmdStart.Enabled = false;
    form.cmdStop.Enabled = true;
    form.cmdTestNow.Enabled = true;
    form.lblTimeRemain.Caption = "00:29:58";
    ASSERT_EQ(GetFocus(), C("chkFAST"));
    window->SyncFromForm();
    for (const char* setting : {"chkFAST", "chkUSEN", "chkSPEED", "txtFileName", "txtInterval", "chkCloseEdge"})
        EXPECT_FALSE(IsWindowEnabled(C(setting))) << setting;
    for (int label = 0; label < 4; ++label) EXPECT_FALSE(IsWindowEnabled(C("Label1", label))) << label;
    EXPECT_FALSE(IsWindowEnabled(C("cmdStart")));
    EXPECT_TRUE(IsWindowEnabled(stop));
    EXPECT_EQ(WindowText(C("lblTimeRemain")), L"00:29:58");
    EXPECT_EQ(GetFocus(), stop);

    Click(C("chkFAST"));
    EXPECT_EQ(form.chkFAST.Value, 1) << "a locked box does not change";
    EXPECT_TRUE(testing::HoldForScreenshot(window->handle(), L"armed")) << "the screenshot script did not answer";

    Keys({VK_MENU, 'A'});  // Stop's access key
    EXPECT_EQ((*clicks)[stop], 1);
    EXPECT_TRUE(IsWindowEnabled(C("chkFAST"))) << "Stop unlocks the settings";
    EXPECT_TRUE(IsWindowEnabled(C("cmdStart")));
    EXPECT_FALSE(IsWindowEnabled(stop));
    EXPECT_EQ(WindowText(C("lblTimeRemain")), L"");
}

// The pixels of an icon's colour image, top row first, as 0xAARRGGBB.
std::vector<std::uint32_t> IconPixels(HICON icon, int& width) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    width = bitmap.bmWidth;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bitmap.bmWidth;
    format.bmiHeader.biHeight = -bitmap.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    const HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (rows != bitmap.bmHeight) pixels.clear();
    return pixels;
}

// The orange of the tide mark drawn across Tidemark's icon, which no stock icon has.
bool TideMarkOrange(std::uint32_t pixel) {
    const auto red = (pixel >> 16) & 0xff, green = (pixel >> 8) & 0xff, blue = pixel & 0xff;
    return red > 0xe0 && green > 0x80 && green < 0xc0 && blue < 0x50;
}

TEST_F(Win32WindowTest, TheWindowShowsTidemarksIconLargeAndSmall) {
    for (const auto& [which, sizeMetric, name] :
         {std::tuple{GCLP_HICON, SM_CXICON, "large"}, std::tuple{GCLP_HICONSM, SM_CXSMICON, "small"}}) {
        const auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window->handle(), which));
        ASSERT_NE(icon, nullptr) << name;
        int width = 0;
        const std::vector<std::uint32_t> pixels = IconPixels(icon, width);
        ASSERT_FALSE(pixels.empty()) << name;
        EXPECT_EQ(width, GetSystemMetrics(sizeMetric)) << name;
        const auto orange = std::count_if(pixels.begin(), pixels.end(), TideMarkOrange);
        EXPECT_GE(orange, width / 2) << name << ": the tide mark is missing";
    }
}

// MessageBoxW's own modal loop runs inside the refused click. A hook answers
// each box as it comes up, so no test waits on a clock.
class Win32WindowWithMessageBoxTest : public Win32WindowTest {
protected:
    Win32WindowWithMessageBoxTest() : Win32WindowTest(&services.messageBoxes) {}

    void SetUp() override {
        hook_ = SetWindowsHookExW(WH_CBT, &Win32WindowWithMessageBoxTest::Answer, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook_, nullptr);
        boxTexts().clear();
        Win32WindowTest::SetUp();
    }
    void TearDown() override {
        Win32WindowTest::TearDown();
        UnhookWindowsHookEx(hook_);
    }

    static std::vector<std::wstring>& boxTexts() {
        static std::vector<std::wstring> texts;
        return texts;
    }

private:
    static BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
        if (ClassOf(child) == L"Static" && GetWindowTextLengthW(child) > 0)
            reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(WindowText(child));
        return TRUE;
    }
    static LRESULT CALLBACK Answer(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE) {
            const auto box = reinterpret_cast<HWND>(wParam);
            if (ClassOf(box) == L"#32770") {
                std::vector<std::wstring> texts;
                EnumChildWindows(box, &CollectText, reinterpret_cast<LPARAM>(&texts));
                for (const std::wstring& text : texts) boxTexts().push_back(text);
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_ = nullptr;
};

TEST_F(Win32WindowWithMessageBoxTest, TheFieldKeepsTheFocusAndTheWindowItsActivationAfterTheBox) {
    const std::size_t before = boxTexts().size();  // the start-up message under Wine
    const HWND interval = C("txtInterval");
    const HWND start = C("cmdStart");
    TypeInto(interval, L"2");

    Click(start);
    ASSERT_EQ(boxTexts().size(), before + 1);
    EXPECT_EQ(boxTexts().back(), ToWide(kIntervalMinimumMessage));
    EXPECT_EQ(GetActiveWindow(), window->handle());
    EXPECT_EQ(GetFocus(), interval);
    EXPECT_EQ((*clicks)[start], 0);
    EXPECT_EQ(GetCapture(), nullptr);

    Keys({VK_MENU, 'S'});
    EXPECT_EQ(boxTexts().size(), before + 2);
    EXPECT_EQ((*clicks)[start], 0);
    EXPECT_EQ(GetFocus(), interval);

    // The press and release both fall inside the box's loop here.
    Click(C("chkFAST"));
    EXPECT_EQ(boxTexts().size(), before + 3);
    EXPECT_TRUE(Checked(C("chkFAST")));
    EXPECT_EQ(GetFocus(), interval);
}

}  // namespace
}  // namespace tidemark::win32
