#pragma once

// Just enough of a Platform for the file checks, the special folders and the
// result file: a settable clock, a user's name, and message boxes and window
// moves recorded in one log so their order shows, over any file system and
// special folders (the sim ones in FilesTestPlatform). Meant to give way to
// SimPlatform once it exists.

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/platform.h"
#include "sim/sim_file_system.h"
#include "sim/sim_special_folders.h"

namespace tidemark::test_support {

class FakeServices : Clock,
                     Sleeper,
                     MessagePump,
                     Keyboard,
                     SettingsStore,
                     InstanceLock,
                     MessageBoxes,
                     ProcessStarter,
                     WindowOrder,
                     Beeper,
                     Environment,
                     Locale,
                     AutomationFactory {
public:
    Platform Bind(FileSystem& files, SpecialFolders& folders) {
        return {*this, *this, *this, *this, *this, *this, *this,  *this,
                *this, *this, *this, *this, *this, files, folders};
    }
    void SetVariable(const std::string& name, const std::string& value) { variables_[name] = value; }
    void SetNow(const LocalDateTime& now) { now_ = now; }
    // "front" for each BringFormToFront, "box:<title>|<text>" for each message.
    const std::vector<std::string>& log() const { return log_; }
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const auto& entry : log_)
            if (entry.rfind("box:", 0) == 0) messages.push_back(entry.substr(4));
        return messages;
    }

private:
    LocalDateTime Now() override { return now_; }
    void Sleep(int) override {}
    void DoEvents() override {}
    std::array<std::uint8_t, 256> GetKeyboardState() override { return {}; }
    void KeyEvent(std::uint8_t, bool) override {}
    std::optional<std::string> Get(const std::string&, const std::string&, const std::string&) override { return {}; }
    void Set(const std::string&, const std::string&, const std::string&, const std::string&) override {}
    bool TryAcquire() override { return true; }
    MessageAnswer Show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override {
        const bool plainOk = buttons == MessageButtons::Ok && icon == MessageIcon::None;
        log_.push_back("box:" + title + "|" + text + (plainOk ? "" : " [buttons or icon]"));
        return MessageAnswer::Ok;
    }
    void Start(const std::string&) override {}
    void ActivateByTitle(const std::string&) override { log_.push_back("front"); }
    void SetWindowPos(std::intptr_t, std::uint32_t) override {}
    void Beep() override {}
    std::string Variable(const std::string& name) override { return variables_[name]; }
    std::string WindowsDirectoryBuffer() override { return "C:\\Windows"; }
    std::string DecimalSeparator() override { return "."; }
    std::string GroupSeparator() override { return ","; }
    // The Japanese general form: 2024/01/05 9:03:07, the date alone at midnight.
    std::string FormatGeneralDate(const LocalDateTime& when) override {
        char text[40];
        const int s = static_cast<int>(when.secondsSinceMidnight);
        const int length = std::snprintf(text, sizeof text, "%04d/%02d/%02d %d:%02d:%02d", when.year, when.month,
                                         when.day, s / 3600, s / 60 % 60, s % 60);
        return std::string(text, s == 0 ? 10 : static_cast<std::size_t>(length));
    }
    uia::Ref<uia::Automation> CreateAutomation() override { throw PlatformError(kClassNotRegistered); }
    uia::WindowHandle GetDesktopWindow() override { return 0; }

    LocalDateTime now_{2024, 1, 5, 9 * 3600 + 3 * 60 + 7.25};
    std::map<std::string, std::string> variables_{{"USERNAME", "user"}};
    std::vector<std::string> log_;
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
