#pragma once

// Just enough of a Platform for the file checks, the special folders and the
// result file: a settable clock, a user's name, and message boxes and window
// moves recorded in one log so their order shows, over any file system and
// special folders (the sim ones in FilesTestPlatform). Meant to give way to
// SimPlatform once it exists.

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/platform.h"
#include "sim/sim_file_system.h"
#include "sim/sim_special_folders.h"

namespace tidemark::test_support {

class FakeServices {
public:
    FakeServices() { environment_.variables["USERNAME"] = "user"; }

    Platform Bind(FileSystem& files, SpecialFolders& folders) {
        return {clock_,  sleeper_, pump_,         keyboard_, settings_,   instanceLock_, boxes_, processes_,
                order_, beeper_,  environment_, locale_,   automation_, files,         folders};
    }
    void SetVariable(const std::string& name, const std::string& value) { environment_.variables[name] = value; }
    void SetNow(const LocalDateTime& now) { clock_.now = now; }
    // "front" for each BringFormToFront, "box:<title>|<text>" for each message.
    const std::vector<std::string>& log() const { return log_; }
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const auto& entry : log_)
            if (entry.rfind("box:", 0) == 0) messages.push_back(entry.substr(4));
        return messages;
    }

private:
    struct FixedClock : Clock {
        LocalDateTime now{2024, 1, 5, 9 * 3600 + 3 * 60 + 7.25};
        LocalDateTime Now() override { return now; }
    };
    struct NoSleep : Sleeper {
        void Sleep(int) override {}
    };
    struct NoMessages : MessagePump {
        void DoEvents() override {}
    };
    struct NoKeys : Keyboard {
        std::array<std::uint8_t, 256> GetKeyboardState() override { return {}; }
        void KeyEvent(std::uint8_t, bool) override {}
    };
    struct NoSettings : SettingsStore {
        std::optional<std::string> Get(const std::string&, const std::string&, const std::string&) override {
            return std::nullopt;
        }
        void Set(const std::string&, const std::string&, const std::string&, const std::string&) override {}
    };
    struct FreeLock : InstanceLock {
        bool TryAcquire() override { return true; }
    };
    struct RecordedBoxes : MessageBoxes {
        explicit RecordedBoxes(std::vector<std::string>& into) : log(into) {}
        MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                           MessageIcon icon) override {
            const bool plainOk = buttons == MessageButtons::Ok && icon == MessageIcon::None;
            log.push_back("box:" + title + "|" + text + (plainOk ? "" : " [buttons or icon]"));
            return MessageAnswer::Ok;
        }
        std::vector<std::string>& log;
    };
    struct NoProcesses : ProcessStarter {
        void Start(const std::string&) override {}
    };
    struct RecordedOrder : WindowOrder {
        explicit RecordedOrder(std::vector<std::string>& into) : log(into) {}
        void ActivateByTitle(const std::string&) override { log.push_back("front"); }
        void SetWindowPos(std::intptr_t, std::uint32_t) override {}
        std::vector<std::string>& log;
    };
    struct Silent : Beeper {
        void Beep() override {}
    };
    struct Variables : Environment {
        std::map<std::string, std::string> variables;
        std::string Variable(const std::string& name) override { return variables[name]; }
        std::string WindowsDirectoryBuffer() override { return "C:\\Windows"; }
    };
    struct JapaneseDates : Locale {
        std::string DecimalSeparator() override { return "."; }
        std::string GroupSeparator() override { return ","; }
        std::string FormatGeneralDate(const LocalDateTime& when) override {
            char text[40];
            const int seconds = static_cast<int>(when.secondsSinceMidnight);
            if (seconds == 0) {
                std::snprintf(text, sizeof text, "%04d/%02d/%02d", when.year, when.month, when.day);
            } else {
                std::snprintf(text, sizeof text, "%04d/%02d/%02d %d:%02d:%02d", when.year, when.month, when.day,
                              seconds / 3600, seconds / 60 % 60, seconds % 60);
            }
            return text;
        }
    };
    struct NoAutomation : AutomationFactory {
        uia::Ref<uia::Automation> CreateAutomation() override { throw PlatformError(kClassNotRegistered); }
        uia::WindowHandle GetDesktopWindow() override { return 0; }
    };

    std::vector<std::string> log_;
    FixedClock clock_;
    NoSleep sleeper_;
    NoMessages pump_;
    NoKeys keyboard_;
    NoSettings settings_;
    FreeLock instanceLock_;
    RecordedBoxes boxes_{log_};
    NoProcesses processes_;
    RecordedOrder order_{log_};
    Silent beeper_;
    Variables environment_;
    JapaneseDates locale_;
    NoAutomation automation_;
};

class FilesTestPlatform : public FakeServices {
public:
    Platform& platform() { return platform_; }
    sim::SimFileSystem& files() { return files_; }
    sim::SimSpecialFolders& folders() { return folders_; }

private:
    sim::SimFileSystem files_;
    sim::SimSpecialFolders folders_;
    Platform platform_ = Bind(files_, folders_);
};

}  // namespace tidemark::test_support
