#include "chromium/page_inspector.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>
#include <utility>

#include "chromium/chromium_location.h"
#include "chromium/chromium_process.h"
#include "chromium/control_view.h"
#include "chromium/control_view_listing.h"
#include "chromium/page_opener.h"
#include "chromium/page_snapshot.h"
#include "chromium/scratch_folder.h"
#include "chromium/site_landmarks.h"
#include "chromium/site_redirect.h"

namespace tidemark::chromium {

namespace {
using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kLoadLimit = 30s;
constexpr std::chrono::milliseconds kSettlePause = 300ms;
constexpr std::chrono::milliseconds kSettleLimit = 3s;

// Scripts build much of a page after its load event: readings a pause apart
// until two agree, or the last one when the page keeps changing (a figure counting up).
ControlElement SettledControlView(DevToolsPipe& devtools, const std::string& sessionId) {
    const auto giveUp = std::chrono::steady_clock::now() + kSettleLimit;
    ControlElement view = BuildControlView(FetchPageSnapshot(devtools, sessionId));
    std::string listing = ControlViewListing(view);
    while (std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(kSettlePause);
        ControlElement next = BuildControlView(FetchPageSnapshot(devtools, sessionId));
        std::string nextListing = ControlViewListing(next);
        const bool settled = nextListing == listing;
        view = std::move(next);
        listing = std::move(nextListing);
        if (settled) break;
    }
    return view;
}

// Next to a running Tidemark's profile, never in it.
std::string ProfileParent() { return std::filesystem::path(DefaultProfileFolder()).parent_path().string(); }
}  // namespace

int InspectPage(const std::string& address, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> program = ChromiumLocation().FindInstalled();
    if (!program) {
        err << "Tidemark: no Chromium to open " << EscapedText(address)
            << " in: neither /usr/bin/chromium nor a chromium on PATH (Debian's package is chromium)\n";
        return 1;
    }
    try {
        const ScratchFolder profile(ProfileParent(), "inspect-");
        ChromiumProcess browser({.program = *program, .profileFolder = profile.path(), .headless = true});
        const OpenedPage page =
            OpenPage(browser.devtools(), SiteRedirect::FromEnvironment().Apply(address), kLoadLimit);
        if (!page.failure.empty()) {
            err << "Tidemark: could not load " << EscapedText(address) << ": " << EscapedText(page.failure) << "\n";
            return 1;
        }
        const ControlElement document = SettledControlView(browser.devtools(), page.sessionId);
        out << ControlViewListing(document);
        if (const auto report = CheckSiteLandmarks(address, document)) out << "\n" << LandmarkText(*report);
        out.flush();
        return 0;
    } catch (const PlatformError& error) {
        const char* doing = error.code() == kFileNotFound ? "could not start Chromium for " : "could not inspect ";
        err << "Tidemark: " << doing << EscapedText(address) << ": " << EscapedText(error.what()) << "\n";
        return 1;
    } catch (const nlohmann::json::exception& error) {
        err << "Tidemark: could not inspect " << EscapedText(address)
            << ": the browser answered out of shape: " << EscapedText(error.what()) << "\n";
        return 1;
    }
}

}  // namespace tidemark::chromium
