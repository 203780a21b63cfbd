#include "qt/linux_browser.h"

#include "qt/simulated_browser.h"

namespace tidemark::qt {

LinuxBrowser::LinuxBrowser(BrowserChoice choice, uia_tree::Tree& tree, Clock& clock, Sleeper& sleeper,
                           MessagePump& pump, Keyboard& keyboard)
    : clock_(clock), realSleeper_(sleeper), realPump_(pump), realKeyboard_(keyboard) {
    if (choice == BrowserChoice::Simulated) {
        simulated_ = std::make_unique<SimulatedBrowser>(tree, clock);
        return;
    }
    chromium_ = std::make_unique<chromium::ChromiumBrowser>(
        tree, chromium::ChromiumBrowserOptions{.redirect = chromium::SiteRedirect::FromEnvironment()});
    pollSleeper_ = std::make_unique<chromium::PollMarkingSleeper>(sleeper, *chromium_);
    pollPump_ = std::make_unique<chromium::PollMarkingPump>(pump, *chromium_);
}

LinuxBrowser::~LinuxBrowser() = default;

void LinuxBrowser::LogDialogsTo(RecordServices* records) {
    if (!chromium_) return;
    dialogLog_ = std::make_unique<RunLog>(records, clock_);
    chromium_->OnDialog([log = dialogLog_.get()](const chromium::JavaScriptDialog& dialog) {
        log->Write(run_log::kDialog, chromium::DialogLogText(dialog));
    });
}

ProcessStarter& LinuxBrowser::starter() {
    if (chromium_) return *chromium_;
    return *simulated_;
}

BrowserLocation& LinuxBrowser::location() {
    if (chromium_) return chromiumLocation_;
    return *simulated_;
}

void LinuxBrowser::KeyEvent(std::uint8_t virtualKey, bool keyUp) {
    if (chromium_) {
        chromium_->KeyEvent(virtualKey, keyUp);
    } else {
        simulated_->edge.KeyEvent(virtualKey, keyUp);
    }
}

}  // namespace tidemark::qt
