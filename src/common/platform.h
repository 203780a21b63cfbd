#pragma once

// The services the core needs of the platform beside UI Automation. Each
// platform layer (sim, win32, qt) implements them; the core receives them in
// one Platform at start-up and never reaches for a global. Failures the
// platform reports are thrown as PlatformError.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/file_system.h"
#include "common/platform_error.h"
#include "uia/automation.h"

namespace tidemark {

// A local wall-clock reading, taken at one instant.
struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    double secondsSinceMidnight = 0.0;  // 0 <= s < 86400, with fraction
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() = 0;
};

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(int milliseconds) = 0;
};

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Lets the window handle its pending messages (timer ticks, clicks).
    virtual void DoEvents() = 0;
};

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // The 256 virtual-key states; the high bit marks a key held down.
    virtual std::array<std::uint8_t, 256> GetKeyboardState() = 0;
    // keybd_event(vk, 0, keyUp ? KEYEVENTF_KEYUP : 0, 0).
    virtual void KeyEvent(std::uint8_t virtualKey, bool keyUp) = 0;
};

// Per-user string store by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> Get(const std::string& application, const std::string& section,
                                           const std::string& key) = 0;
    virtual void Set(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the one-instance lock; false when
    // another running copy of the program holds it.
    virtual bool TryAcquire() = 0;
};

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Information };
enum class MessageAnswer { Ok, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal; answers the button the user pressed.
    virtual MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Runs `program` with `arguments` (which start with their own blank)
    // with a normal, activated window; does not wait. The program's path is
    // passed as one word even when it holds blanks, so that no other program
    // runs in its place; the arguments go unchanged. Throws PlatformError
    // when the process cannot be started.
    virtual void Start(const std::string& program, const std::string& arguments) = 0;
};

// Where the system says the browser is installed.
class BrowserLocation {
public:
    virtual ~BrowserLocation() = default;
    // The browser's program as the system registers it, when that file
    // exists; nullopt when no such file is found.
    virtual std::optional<std::string> FindInstalled() = 0;
};

// The main window's place among the other windows.
class WindowOrder {
public:
    virtual ~WindowOrder() = default;
    // Activates the application window whose title is `title`, without waiting.
    virtual void ActivateByTitle(const std::string& title) = 0;
    // SetWindowPos(mainWindow, insertAfter, 0, 0, 0, 0, flags).
    virtual void SetWindowPos(std::intptr_t insertAfter, std::uint32_t flags) = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

class Environment {
public:
    virtual ~Environment() = default;
    // Empty when the variable is not set.
    virtual std::string Variable(const std::string& name) = 0;
    // The buffer GetWindowsDirectoryA leaves: 260 characters, the directory
    // followed by NULs and blanks.
    virtual std::string WindowsDirectoryBuffer() = 0;
};

// What the locale writes into a date besides digits, so that its dates can be read back.
struct DateWords {
    std::array<std::vector<std::string>, 12> months;  // full and short names, January first
    std::vector<std::string> am;
    std::vector<std::string> pm;
    std::string shortDateFormat;  // "d/M/yyyy", "yyyy/MM/dd", ...
};

// The user's locale: how numbers and dates are written.
class Locale {
public:
    virtual ~Locale() = default;
    virtual std::string DecimalSeparator() = 0;
    virtual std::string GroupSeparator() = 0;
    // The general date-and-time form: short date, a blank, long time; the
    // date alone when the time is exactly midnight. Whole seconds.
    virtual std::string FormatGeneralDate(const LocalDateTime& when) = 0;
    // The words of FormatGeneralDate's dates; none where the platform does not tell.
    virtual DateWords Dates() { return {}; }
};

// The automation object and the desktop window it starts from.
class AutomationFactory {
public:
    virtual ~AutomationFactory() = default;
    // Throws PlatformError (for instance class not registered) when UI
    // Automation cannot be created.
    virtual uia::Ref<uia::Automation> CreateAutomation() = 0;
    virtual uia::WindowHandle GetDesktopWindow() = 0;
};

struct Platform {
    Clock& clock;
    Sleeper& sleeper;
    MessagePump& pump;
    Keyboard& keyboard;
    SettingsStore& settings;
    InstanceLock& instanceLock;
    MessageBoxes& messageBoxes;
    ProcessStarter& processStarter;
    BrowserLocation& browserLocation;
    WindowOrder& windowOrder;
    Beeper& beeper;
    Environment& environment;
    Locale& locale;
    AutomationFactory& automationFactory;
    FileSystem& files;
    SpecialFolders& specialFolders;
};

}  // namespace tidemark
