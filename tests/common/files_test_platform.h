#pragma once

// The simulated platform as the file checks, special folders and result file
// tests see it: a user "user", a clock at 2024/01/05 9:03:07.25, and a log of
// BringFormToFront ("front") and message boxes ("box:<title>|<text>") in the
// order they happened.

#include <string>
#include <vector>

#include "sim/sim_platform.h"

namespace tidemark::test_support {

class FilesTestPlatform {
public:
    FilesTestPlatform() {
        sim_.environment.SetVariable("USERNAME", "user");
        SetNow({2024, 1, 5, 9 * 3600 + 3 * 60 + 7.25});
        sim_.messageBoxes.onShow = [this](const sim::ShownMessage& shown) {
            CatchUpWithWindowMoves();
            const bool plainOk = shown.buttons == MessageButtons::Ok && shown.icon == MessageIcon::None;
            log_.push_back("box:" + shown.title + "|" + shown.text + (plainOk ? "" : " [buttons or icon]"));
        };
    }

    Platform& platform() { return sim_.platform(); }
    sim::SimFileSystem& files() { return sim_.files; }
    sim::SimSpecialFolders& folders() { return sim_.specialFolders; }
    void SetVariable(const std::string& name, const std::string& value) { sim_.environment.SetVariable(name, value); }
    void SetNow(const LocalDateTime& now) { sim_.clock.Set(now); }

    const std::vector<std::string>& log() {
        CatchUpWithWindowMoves();
        return log_;
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> messages;
        for (const auto& entry : log())
            if (entry.rfind("box:", 0) == 0) messages.push_back(entry.substr(4));
        return messages;
    }

private:
    void CatchUpWithWindowMoves() {
        for (; fronts_ < sim_.windowOrder.activatedTitles().size(); ++fronts_) log_.push_back("front");
    }

    sim::SimPlatform sim_;
    std::vector<std::string> log_;
    std::size_t fronts_ = 0;
};

}  // namespace tidemark::test_support
