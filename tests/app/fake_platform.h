#pragma once

// Small stand-ins for the platform services the window uses, until the
// simulated desktop's SimPlatform takes their place. Header-only, so the Qt
// tests use them too.

#include <map>
#include <string>
#include <vector>

#include "common/context.h"
#include "sim/sim_file_system.h"
#include "sim/sim_special_folders.h"

namespace tidemark::fake {

// A virtual clock that moves only when something sleeps.
struct Clock : tidemark::Clock, Sleeper {
    LocalDateTime Now() override { return now; }
    void Sleep(int milliseconds) override { now.secondsSinceMidnight += milliseconds / 1000.0; }
    LocalDateTime now{2024, 6, 1, 9 * 3600.0};
};

struct Pump : MessagePump {
    void DoEvents() override {}
};

struct Keyboard : tidemark::Keyboard {
    std::array<std::uint8_t, 256> GetKeyboardState() override {
        std::array<std::uint8_t, 256> state{};
        state[0x11] = ctrlHeld ? 0x81 : 0x00;
        return state;
    }
    void KeyEvent(std::uint8_t, bool) override {}
    bool ctrlHeld = false;
};

// Records the keys read and written; operator[] reaches the window's section.
struct Settings : SettingsStore {
    std::optional<std::string> Get(const std::string& app, const std::string& section, const std::string& key) override {
        reads.push_back(key);
        const auto found = values.find(app + "/" + section + "/" + key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Set(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override {
        writes.push_back(key);
        values[app + "/" + section + "/" + key] = value;
    }
    std::string& operator[](const std::string& key) { return values["Tidemark/Setting/" + key]; }
    std::map<std::string, std::string> values;
    std::vector<std::string> reads, writes;
};

struct Lock : InstanceLock {
    bool TryAcquire() override { return !heldByAnotherCopy; }
    bool heldByAnotherCopy = false;
};

struct WindowOrder : tidemark::WindowOrder {
    void ActivateByTitle(const std::string& title) override { calls.push_back("activate " + title); }
    void SetWindowPos(std::intptr_t insertAfter, std::uint32_t) override {
        calls.push_back(insertAfter == -1 ? "topmost" : "not topmost");
    }
    std::vector<std::string> calls;
};

struct ShownMessage {
    std::string text, title;
    MessageButtons buttons;
    MessageIcon icon;
    std::vector<std::string> windowOrderBefore;  // what was done to the window before it
};

struct Messages : MessageBoxes {
    explicit Messages(const WindowOrder& order) : order_(order) {}
    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override {
        shown.push_back({text, title, buttons, icon, order_.calls});
        return MessageAnswer::Ok;
    }
    std::vector<ShownMessage> shown;

private:
    const WindowOrder& order_;
};

struct Processes : ProcessStarter {
    void Start(const std::string&) override {}
};

struct Beeper : tidemark::Beeper {
    void Beep() override {}
};

struct Environment : tidemark::Environment {
    std::string Variable(const std::string& name) override { return name == "USERNAME" ? "user" : ""; }
    std::string WindowsDirectoryBuffer() override { return std::string("C:\\Windows").append(250, '\0'); }
};

struct Locale : tidemark::Locale {
    std::string DecimalSeparator() override { return "."; }
    std::string GroupSeparator() override { return ","; }
    std::string FormatGeneralDate(const LocalDateTime&) override { return "2024/06/01 9:00:00"; }
};

// The least UI Automation that start-up accepts: a desktop element and a walker.
struct Element : uia::Element {
    uia::Ref<uia::Element> FindFirst(uia::TreeScope, const uia::Ref<uia::Condition>&) override { return {}; }
    uia::Ref<uia::ElementArray> FindAll(uia::TreeScope, const uia::Ref<uia::Condition>&) override {
        throw PlatformError(kENotImpl);
    }
    uia::PropertyValue GetCurrentPropertyValue(uia::PropertyId) override { return {}; }
    uia::Ref<uia::Pattern> GetCurrentPattern(uia::PatternId) override { return {}; }
    std::string CurrentName() override { return "Desktop"; }
    std::string CurrentClassName() override { return "#32769"; }
    std::string CurrentLocalizedControlType() override { return ""; }
    bool CurrentIsEnabled() override { return true; }
    std::vector<std::int32_t> GetRuntimeId() override { return {42}; }
    void SetFocus() override {}
};

struct Walker : uia::TreeWalker {
    using E = uia::Ref<uia::Element>;
    E GetParentElement(const E&) override { return {}; }
    E GetPreviousSiblingElement(const E&) override { return {}; }
    E GetNextSiblingElement(const E&) override { return {}; }
    E GetFirstChildElement(const E&) override { return {}; }
    E GetLastChildElement(const E&) override { return {}; }
};

struct Automation : uia::Automation {
    using C = uia::Ref<uia::Condition>;
    uia::Ref<uia::Element> ElementFromHandle(uia::WindowHandle) override { return std::make_shared<Element>(); }
    uia::Ref<uia::TreeWalker> ControlViewWalker() override { return std::make_shared<Walker>(); }
    C CreatePropertyCondition(uia::PropertyId, const uia::PropertyValue&) override { return {}; }
    C CreatePropertyConditionEx(uia::PropertyId, const uia::PropertyValue&, std::int32_t) override { return {}; }
    C CreateAndCondition(const C&, const C&) override { return {}; }
    C CreateTrueCondition() override { return {}; }
};

struct AutomationFactory : tidemark::AutomationFactory {
    uia::Ref<uia::Automation> CreateAutomation() override {
        ++creations;
        if (failure != kSOk) throw PlatformError(failure, "CoCreateInstance(CUIAutomation8)");
        return std::make_shared<Automation>();
    }
    uia::WindowHandle GetDesktopWindow() override { return 0x10010; }
    HResult failure = kSOk;  // set to make UI Automation unavailable
    int creations = 0;
};

struct FakePlatform {
    // Optionally with a platform layer's real settings store or message boxes.
    explicit FakePlatform(SettingsStore* store = nullptr, MessageBoxes* boxes = nullptr)
        : settingsInUse(store != nullptr ? *store : settings), boxesInUse(boxes != nullptr ? *boxes : messages) {}

    Clock clock;
    Pump pump;
    Keyboard keyboard;
    Settings settings;
    Lock lock;
    WindowOrder windowOrder;
    Messages messages{windowOrder};
    Processes processes;
    Beeper beeper;
    Environment environment;
    Locale locale;
    AutomationFactory automationFactory;
    sim::SimFileSystem files;
    sim::SimSpecialFolders specialFolders;
    SettingsStore& settingsInUse;
    MessageBoxes& boxesInUse;

    Platform platform{clock,  clock,       pump,   keyboard,     settingsInUse, lock,          boxesInUse, processes,
                      windowOrder, beeper, environment, locale, automationFactory, files, specialFolders};
};

}  // namespace tidemark::fake
