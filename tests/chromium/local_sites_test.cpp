// The local measurement pages under sites/, served by tidemark_site_server and
// loaded in a real headless Chromium, must show the control view the
// simulated pages in platform/sim show, with figures from real transfers.

#include <poll.h>
#include <stdlib.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "chromium/chromium_process.h"
#include "chromium/control_view.h"
#include "control_outline.h"
#include "headless_tab_suite.h"
#include "site_server_process.h"
#include "sites/site_table.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using ::testing::HasSubstr;
using ::testing::Not;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kMeasureMs = 1500;

// The measured figures differ from run to run: the outline shows '#' for them.
// Texts carry no markup of their own, so a figure is told by its shape.
void MaskFigures(ControlElement& element, std::vector<std::string>& figures) {
    static const std::regex kFigure(R"([0-9]+(\.[0-9]*)?|\.[0-9]+)");
    if (element.controlType == control::Text && std::regex_match(element.name, kFigure)) {
        figures.push_back(std::exchange(element.name, "#"));
    }
    for (ControlElement& child : element.children) MaskFigures(child, figures);
}

struct Seen {
    std::string outline;
    std::vector<std::string> figures;  // in document order
};

double Number(const std::string& text, const char* pattern) {
    EXPECT_TRUE(std::regex_match(text, std::regex(pattern))) << "'" << text << "' is not " << pattern;
    return std::atof(text.c_str());
}

std::string Title(std::string_view title) { return "50030 '" + std::string(title) + "' #RootWebArea\n"; }

std::string FastOutline(const std::string& indicatorClass, const std::string& icon) {
    return Title(kSiteFAST.title) +
           "  50006 'FAST.com ロゴ' .logo centered\n"
           "  50000 '日本語 \uE313' #language-selector-btn .dropbtn\n"
           "  50020 'お使いのインターネットの速度:'\n"
           "  50020 '#'\n"
           "  50020 'Mbps'\n"
           "  50026 '' #speed-progress-indicator ." +
           indicatorClass +
           "\n"
           "    50020 '" +
           icon +
           "'\n"
           "  50005 '詳細を表示' #show-more-details-link .more-info-link\n"
           "  50005 '\uE887' #test-help-btn .help-header\n";
}
const char* const kPauseGlyph = "\uE034";
const char* const kReloadGlyph = "\uE5D5";

std::string UsenOutline(std::string_view title, const std::string& measured) {
    return Title(title) +
           "  50026 '' .l-header\n"
           "    50005 'USEN GATE 02' .l-header__logo\n"
           "      50006 'USEN GATE 02'\n"
           "    50026 '' .l-gnav\n"
           "      50008 ''\n"
           "        50007 'サービス'\n"
           "          50005 'サービス'\n"
           "        50007 'お問い合わせ'\n"
           "          50005 'お問い合わせ'\n"
           "  50020 'インターネット回線スピードテスト' .p-speedtest__title\n"
           "  50006 '' .p-speedtest__meter-svg\n"
           "  50005 '測定開始' .btn btn-start\n" +
           measured +
           "  50020 '※測定結果は目安です。'\n"
           "  50026 '' .l-footer\n"
           "    50020 '© USEN ICT Solutions'\n";
}

const std::string kUsenAbortLink = "  50005 '測定中断' .btn btn-abort\n";
const std::string kUsenFigures =
    "  50020 'DOWNLOAD'\n  50020 '#'\n  50020 '#'\n  50020 'Mbps'\n"
    "  50020 'UPLOAD'\n  50020 '#'\n  50020 '#'\n  50020 'Mbps'\n"
    "  50020 'PING'\n  50020 '#'\n  50020 '#'\n  50020 'ms'\n"
    "  50020 'JITTER'\n  50020 '#'\n  50020 '#'\n  50020 'ms'\n";

std::string SpeedOutline(const std::string& server, const std::string& measured) {
    return Title(kSiteSPEED.title) +
           "  50026 '' .header\n"
           "    50005 'Speedtest by Ookla' .header-logo\n"
           "      50006 'Speedtest by Ookla' .logo-svg\n"
           "    50026 '' .header-nav\n"
           "      50008 ''\n"
           "        50007 'Apps'\n"
           "          50005 'Apps'\n"
           "        50007 'About'\n"
           "          50005 'About'\n"
           "  50026 '' #container .container\n"
           "    50026 '' .main-content\n"
           "      50026 '' .server-current\n"
           "        50006 '' .svg-icon\n"
           "        50020 '" +
           server +
           "'\n"
           "        50005 'Change Server' .btn-server-select\n"
           "      50000 'start speed test - connection type multi' .js-start-test test-mode-multi\n" +
           measured +
           "  50026 '' .footer\n"
           "    50005 'Privacy Policy'\n";
}

const std::string kSpeedGauge = "      50006 '' .gauge-speed-text\n";
const std::string kSpeedResults =
    "      50008 '' .result-data-list\n"
    "        50007 'Connections Multi' .result-data-connections\n"
    "      50026 '' .result-container-speed result-container-speed-active\n"
    "        50026 '' .result-item result-item-first-class result-item-download updated test-mode-multi\n"
    "          50006 '' .svg-icon\n"
    "          50020 ' DOWNLOAD '\n"
    "          50020 'Mbps'\n"
    "          50020 '#'\n"
    "        50026 '' .result-item result-item-first-class result-item-upload updated test-mode-multi\n"
    "          50006 '' .svg-icon\n"
    "          50020 ' UPLOAD '\n"
    "          50020 'Mbps'\n"
    "          50020 '#'\n"
    "        50026 '' .result-item result-item-latency result-data-latency-item\n"
    "          50020 'Ping'\n"
    "          50006 '' .svg-icon\n"
    "          50020 'ms'\n"
    "        50026 '' .result-item result-item-latency result-data-latency-item updated\n"
    "          50006 '' .svg-icon\n"
    "          50020 '#'\n"
    "          50020 'ms'\n";

// One headless browser and one tab for the suite, a server of its own for each case.
class LocalSites : public HeadlessTabSuite {
protected:
    static void SetUpTestSuite() { StartBrowser("local-sites"); }

    static SiteServerProcess StartServer(std::vector<std::string> flags = {}) {
        flags.insert(flags.begin(), {"--root", TIDEMARK_SITES_ROOT});
        if (std::find(flags.begin(), flags.end(), "--measure-ms") == flags.end()) {
            flags.insert(flags.end(), {"--measure-ms", std::to_string(kMeasureMs)});
        }
        return SiteServerProcess(flags);
    }

    // The path is the real service's host and path, as the fixtures are laid out.
    static Seen Load(const SiteServerProcess& server, std::string_view address) {
        const std::string path(address.substr(address.find("//") + 1));
        Navigate(server.Url(path));
        return Look();
    }

    static Seen Look() {
        ControlElement document = BuildControlView(FetchPageSnapshot(browser_->devtools(), session_));
        Seen seen;
        MaskFigures(document, seen.figures);
        seen.outline = Outline(document);
        return seen;
    }

    // Looks until `done` holds of what is seen or the time is up, pausing
    // briefly between looks; the last look, and whether `done` held.
    static std::pair<Seen, bool> LookUntil(std::chrono::milliseconds timeout,
                                           const std::function<bool(const Seen&)>& done) {
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            Seen seen = Look();
            if (done(seen)) return {std::move(seen), true};
            if (Clock::now() > deadline) return {std::move(seen), false};
            ::poll(nullptr, 0, 20);
        }
    }

    static Seen WaitFor(const std::string& what, const std::function<bool(const Seen&)>& done) {
        auto [seen, held] = LookUntil(15s, done);
        if (!held) ADD_FAILURE() << "no " << what << " within 15 s; last seen:\n" << seen.outline;
        return seen;
    }

    static void Click(const std::string& selector) {
        const json reply = browser_->devtools().Call(
            "Runtime.evaluate", {{"expression", "document.querySelector('" + selector + "').click()"}}, session_);
        EXPECT_FALSE(reply.contains("exceptionDetails")) << reply.dump();
    }

    static json Stats(const SiteServerProcess& server) { return json::parse(server.Get("/stats").body); }
};

constexpr const char* kWholeFromTenOneDecimalBelow = R"([1-9][0-9]+|[0-9]\.[0-9])";

TEST_F(LocalSites, FastMeasuresOnLoadWithAClimbingFigureAndShowsTheDownloadRate) {
    {
        // A measurement that lasts until the figure has been seen to move, however slowly the looks come.
        const SiteServerProcess endless = StartServer({"--never-finish", "fast"});
        EXPECT_EQ(Load(endless, kSiteFAST.address).outline,
                  FastOutline("speed-progress-indicator in-progress circle", kPauseGlyph));
        std::set<std::string> climbing;
        WaitFor("moving figure", [&climbing](const Seen& seen) {
            if (!seen.figures.empty() && seen.figures[0] != "0") climbing.insert(seen.figures[0]);
            return climbing.size() >= 2;
        });
        for (const std::string& figure : climbing) Number(figure, kWholeFromTenOneDecimalBelow);
    }

    // Measuring is shown above; how far along the first look comes is the machine's business.
    const SiteServerProcess server = StartServer();
    Load(server, kSiteFAST.address);
    const Seen done =
        WaitFor("result", [](const Seen& seen) { return seen.outline.find("circle succeeded") != std::string::npos; });
    EXPECT_EQ(done.outline, FastOutline("speed-progress-indicator circle succeeded", kReloadGlyph));

    ASSERT_EQ(done.figures.size(), 1u);
    const double mbps = Number(done.figures[0], kWholeFromTenOneDecimalBelow);
    // The page's rate and the bytes the server sent over the measuring time agree.
    const double served = Stats(server).at("downloadedBytes").get<double>() * 8 / (kMeasureMs * 1000.0);
    EXPECT_GT(mbps, served / 2);
    EXPECT_LT(mbps, served * 2);
}

TEST_F(LocalSites, UsenMeasuresOnStartShowingTheAbortLinkThenFourSplitFigures) {
    const SiteServerProcess server = StartServer();
    EXPECT_EQ(Load(server, kSiteUSEN.address).outline, UsenOutline(kSiteUSEN.title, ""));
    Click(".btn-start");
    EXPECT_EQ(Look().outline, UsenOutline(kSiteUSEN.title, kUsenAbortLink));

    const Seen done = WaitFor("result", [](const Seen& seen) { return !seen.figures.empty(); });
    EXPECT_EQ(done.outline, UsenOutline(kSiteUSEN.title, kUsenFigures));
    ASSERT_EQ(done.figures.size(), 8u);
    // Integer and fraction parts: Mbps with two decimals, then ms with one.
    for (std::size_t i = 0; i < 8; i += 2) {
        const char* fraction = i < 4 ? R"(\.[0-9]{2})" : R"(\.[0-9])";
        EXPECT_GT(Number(done.figures[i], "[0-9]+") + Number(done.figures[i + 1], fraction), 0) << "figure " << i / 2;
    }
    const json stats = Stats(server);
    EXPECT_GT(stats.at("downloadedBytes").get<double>(), 0);
    EXPECT_GT(stats.at("uploadedBytes").get<double>(), 0);
    EXPECT_GE(stats.at("pings").get<int>(), 5);
}

TEST_F(LocalSites, SpeedChoosesItsServerThenMeasuresOnStartBehindTheGauge) {
    const SiteServerProcess server = StartServer();
    EXPECT_EQ(Load(server, kSiteSPEED.address).outline, SpeedOutline("Finding optimal server...", ""));
    const std::string chosen = SpeedOutline("Loopback - 127.0.0.1", "");
    EXPECT_EQ(WaitFor("server", [&chosen](const Seen& seen) { return seen.outline == chosen; }).outline, chosen);
    const json pingsBeforeStart = Stats(server).at("pings");
    EXPECT_GE(pingsBeforeStart.get<int>(), 5) << "the server was chosen without timing it";

    Click(".js-start-test");
    const auto gauge = [](const Seen& seen) { return seen.outline.find("gauge") != std::string::npos; };
    EXPECT_EQ(WaitFor("gauge", gauge).outline, SpeedOutline("Loopback - 127.0.0.1", kSpeedGauge));
    const Seen done = WaitFor("result", [](const Seen& seen) { return !seen.figures.empty(); });
    EXPECT_EQ(done.outline, SpeedOutline("Loopback - 127.0.0.1", kSpeedResults));
    ASSERT_EQ(done.figures.size(), 3u);
    EXPECT_GT(Number(done.figures[0], R"([0-9]+\.[0-9]{2})"), 0);
    EXPECT_GT(Number(done.figures[1], R"([0-9]+\.[0-9]{2})"), 0);
    EXPECT_GT(Number(done.figures[2], kWholeFromTenOneDecimalBelow), 0);
    const json stats = Stats(server);
    EXPECT_GT(stats.at("downloadedBytes").get<double>(), 0);
    EXPECT_GT(stats.at("uploadedBytes").get<double>(), 0);
    EXPECT_GT(stats.at("pings").get<int>(), pingsBeforeStart.get<int>());
}

TEST_F(LocalSites, NeverFinishingPageKeepsMeasuringAndATitleOverrideAppliesToItsSiteAlone) {
    constexpr int kShortMeasureMs = 400;
    const SiteServerProcess server = StartServer(
        {"--never-finish", "fast", "--title", "usen=Some other page", "--measure-ms", std::to_string(kShortMeasureMs)});
    EXPECT_EQ(Load(server, kSiteFAST.address).outline,
              FastOutline("speed-progress-indicator in-progress circle", kPauseGlyph));
    double downloaded = 0;
    int growing = 0;
    // Past five times its measuring time, and for three looks however slowly they come, every look still
    // unfinished and the bytes still flowing.
    const auto past = Clock::now() + std::chrono::milliseconds(kShortMeasureMs * 5);
    WaitFor("a download that goes on", [&](const Seen& seen) {
        EXPECT_THAT(seen.outline, Not(HasSubstr("succeeded")));
        const double now = Stats(server).at("downloadedBytes").get<double>();
        if (now > downloaded) ++growing;
        downloaded = now;
        return growing >= 3 && Clock::now() > past;
    });

    EXPECT_EQ(Load(server, kSiteUSEN.address).outline, UsenOutline("Some other page", ""));
}

}  // namespace
}  // namespace tidemark::chromium
