#pragma once

// The Linux build's browser: a real Chromium shown to the core as Edge, or,
// for a demonstration without a browser, the simulated Edge with simulated
// measurement pages, whose figures come from a model of a line.

#include <memory>

#include "chromium/chromium_browser.h"
#include "chromium/chromium_location.h"
#include "common/platform.h"
#include "common/record_files.h"
#include "run/run_log.h"
#include "uia_tree/tree.h"

namespace tidemark::qt {

enum class BrowserChoice { Chromium, Simulated };

class SimulatedBrowser;

// Also the program's keyboard: the modifier keys come from the real one, the
// keys the program presses go to the browser, which has the focus they are meant for.
class LinuxBrowser : public Keyboard {
public:
    // `sleeper` and `pump` are the real ones; the browser's own mark each poll.
    LinuxBrowser(BrowserChoice choice, uia_tree::Tree& tree, Clock& clock, Sleeper& sleeper, MessagePump& pump,
                 Keyboard& keyboard);
    ~LinuxBrowser() override;

    ProcessStarter& starter();
    BrowserLocation& location();
    Sleeper& sleeper() { return chromium_ ? static_cast<Sleeper&>(*pollSleeper_) : realSleeper_; }
    MessagePump& pump() { return chromium_ ? static_cast<MessagePump&>(*pollPump_) : realPump_; }

    std::array<std::uint8_t, 256> GetKeyboardState() override { return realKeyboard_.GetKeyboardState(); }
    void KeyEvent(std::uint8_t virtualKey, bool keyUp) override;

    // Each dialog a page raises, answered by the browser layer, goes to the run log of `records` (none: no log).
    void LogDialogsTo(RecordServices* records);

    // Null unless that is the choice.
    chromium::ChromiumBrowser* chromium() { return chromium_.get(); }
    SimulatedBrowser* simulated() { return simulated_.get(); }

private:
    Clock& clock_;
    std::unique_ptr<RunLog> dialogLog_;
    Sleeper& realSleeper_;
    MessagePump& realPump_;
    Keyboard& realKeyboard_;
    std::unique_ptr<SimulatedBrowser> simulated_;
    std::unique_ptr<chromium::ChromiumBrowser> chromium_;
    chromium::ChromiumLocation chromiumLocation_;
    std::unique_ptr<chromium::PollMarkingSleeper> pollSleeper_;
    std::unique_ptr<chromium::PollMarkingPump> pollPump_;
};

}  // namespace tidemark::qt
