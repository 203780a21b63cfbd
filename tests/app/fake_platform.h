#pragma once

// Small stand-ins for the platform services the window uses, for tests of
// Form1 until the simulated desktop's SimPlatform takes their place.
// Header-only, so the Qt tests can use them too.

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "common/context.h"
#include "sim/sim_file_system.h"
#include "sim/sim_special_folders.h"

namespace tidemark::fake {

// A virtual clock that moves only when something sleeps.
class Clock : public tidemark::Clock, public tidemark::Sleeper {
public:
    LocalDateTime Now() override { return now; }
    void Sleep(int milliseconds) override {
        now.secondsSinceMidnight += milliseconds / 1000.0;
        ++sleeps;
    }
    LocalDateTime now{2024, 6, 1, 9 * 3600.0};
    int sleeps = 0;
};

class Pump : public MessagePump {
public:
    void DoEvents() override { ++calls; }
    int calls = 0;
};

class Keyboard : public tidemark::Keyboard {
public:
    std::array<std::uint8_t, 256> GetKeyboardState() override {
        std::array<std::uint8_t, 256> state{};
        if (ctrlHeld) state[0x11] = 0x81;
        return state;
    }
    void KeyEvent(std::uint8_t, bool) override {}
    bool ctrlHeld = false;
};

class Settings : public SettingsStore {
public:
    using Key = std::tuple<std::string, std::string, std::string>;
    std::optional<std::string> Get(const std::string& application, const std::string& section,
                                   const std::string& key) override {
        reads.push_back(key);
        const auto found = values.find({application, section, key});
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void Set(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override {
        writes.push_back(key);
        values[{application, section, key}] = value;
    }
    // The value under "Tidemark" / "Setting", as the window keeps it.
    std::string& operator[](const std::string& key) { return values[{"Tidemark", "Setting", key}]; }

    std::map<Key, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::string> writes;
};

class Lock : public InstanceLock {
public:
    bool TryAcquire() override { return !heldByAnotherCopy; }
    bool heldByAnotherCopy = false;
};

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageIcon icon;
    int windowOrderCallsBefore;  // how many window-order calls came before it
};

class WindowOrder : public tidemark::WindowOrder {
public:
    void ActivateByTitle(const std::string& title) override { activated.push_back(title); ++calls; }
    void SetWindowPos(std::intptr_t insertAfter, std::uint32_t) override { positions.push_back(insertAfter); ++calls; }
    std::vector<std::string> activated;
    std::vector<std::intptr_t> positions;
    int calls = 0;
};

class Messages : public MessageBoxes {
public:
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

class Processes : public ProcessStarter {
public:
    void Start(const std::string& commandLine) override { started.push_back(commandLine); }
    std::vector<std::string> started;
};

class Beeper : public tidemark::Beeper {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class Environment : public tidemark::Environment {
public:
    std::string Variable(const std::string& name) override { return name == "USERNAME" ? "user" : ""; }
    std::string WindowsDirectoryBuffer() override {
        std::string buffer = "C:\\Windows";
        buffer.resize(260, '\0');
        return buffer;
    }
};

class Locale : public tidemark::Locale {
public:
    std::string DecimalSeparator() override { return decimal; }
    std::string GroupSeparator() override { return group; }
    std::string FormatGeneralDate(const LocalDateTime&) override { return "2024/06/01 9:00:00"; }
    std::string decimal = ".";
    std::string group = ",";
};

// The least UI Automation that start-up accepts: a desktop element and a walker.
class Element : public uia::Element {
public:
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

class Walker : public uia::TreeWalker {
public:
    uia::Ref<uia::Element> GetParentElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetPreviousSiblingElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetNextSiblingElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetFirstChildElement(const uia::Ref<uia::Element>&) override { return {}; }
    uia::Ref<uia::Element> GetLastChildElement(const uia::Ref<uia::Element>&) override { return {}; }
};

class Automation : public uia::Automation {
public:
    uia::Ref<uia::Element> ElementFromHandle(uia::WindowHandle) override { return std::make_shared<Element>(); }
    uia::Ref<uia::TreeWalker> ControlViewWalker() override { return std::make_shared<Walker>(); }
    uia::Ref<uia::Condition> CreatePropertyCondition(uia::PropertyId, const uia::PropertyValue&) override {
        return std::make_shared<uia::Condition>();
    }
    uia::Ref<uia::Condition> CreatePropertyConditionEx(uia::PropertyId, const uia::PropertyValue&,
                                                       std::int32_t) override {
        return std::make_shared<uia::Condition>();
    }
    uia::Ref<uia::Condition> CreateAndCondition(const uia::Ref<uia::Condition>&,
                                                const uia::Ref<uia::Condition>&) override {
        return std::make_shared<uia::Condition>();
    }
    uia::Ref<uia::Condition> CreateTrueCondition() override { return std::make_shared<uia::Condition>(); }
};

class AutomationFactory : public tidemark::AutomationFactory {
public:
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

    Platform platform{clock,       clock,   pump,        keyboard,  settings,          lock,  messages,
                      processes,   windowOrder, beeper,  environment, locale, automationFactory, files,
                      specialFolders};
};

}  // namespace tidemark::fake
