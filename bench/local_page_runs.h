#pragma once

// Runs of the three local measurement pages in a real headless Chromium,
// either alone (the page opened and left to measure, nothing reading it until
// it marks its result) or observed (Tidemark's own waits reading the page, as
// in a run). Either way the page's own figures are those it marked when it
// showed its result (`performance.mark('tidemark:result-shown')`, unrounded),
// with the moment it did, so that both are compared alike.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include "bench_home.h"
#include "browser/edge_launch.h"
#include "chromium/chromium_process.h"
#include "chromium/page_snapshot.h"
#include "common/automation_startup.h"
#include "common/edge_path.h"
#include "qt/qt_platform.h"
#include "site_server_process.h"
#include "sites/fast_site.h"
#include "sites/site_page.h"
#include "sites/site_table.h"
#include "sites/speed_site.h"
#include "sites/usen_site.h"

namespace tidemark::bench {

constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

struct PageResult {
    double download = kNoFigure;      // Mbps
    double upload = kNoFigure;        // Mbps
    double ping = kNoFigure;          // ms
    double shownAtMs = kNoFigure;     // since the epoch, by the page's clock
    double readAtMs = kNoFigure;      // since the epoch: Tidemark's wait gave the figures (observed runs only)
    double pageReadAtMs = kNoFigure;  // since the epoch: Tidemark's last reading of the page before that
    bool ok = false;
};

enum class Page { Fast, Usen, Speed };
inline const char* NameOf(Page page) { return page == Page::Fast ? "FAST" : page == Page::Usen ? "USEN" : "SPEED"; }

inline double EpochMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// Waits, without polling, for the page's mark and gives its figures.
inline PageResult AwaitMark(chromium::DevToolsPipe& devtools, const std::string& session) {
    static constexpr const char* kAwait = R"(new Promise(resolve => {
        const found = list => {
            const mark = list.getEntriesByName('tidemark:result-shown')[0];
            if (mark) resolve(JSON.stringify({...mark.detail, shownAt: performance.timeOrigin + mark.startTime}));
            return mark !== undefined;
        };
        if (!found(performance))
            new PerformanceObserver((list, observer) => { if (found(list)) observer.disconnect(); }).observe({type: 'mark'});
    }))";
    const auto timeout = devtools.timeout();
    devtools.SetTimeout(std::chrono::minutes(3));
    PageResult result;
    try {
        const nlohmann::json reply = devtools.Call(
            "Runtime.evaluate", {{"expression", kAwait}, {"awaitPromise", true}, {"returnByValue", true}}, session);
        const nlohmann::json figures = nlohmann::json::parse(reply.at("result").at("value").get<std::string>());
        result.download = figures.value("download", kNoFigure);
        result.upload = figures.value("upload", kNoFigure);
        result.ping = figures.value("ping", kNoFigure);
        result.shownAtMs = figures.at("shownAt").get<double>();
        result.ok = true;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "no mark: %s\n", error.what());
    }
    devtools.SetTimeout(timeout);
    return result;
}

// The local sites' server, and the environment that sends Tidemark's browser to it.
class LocalSites {
public:
    explicit LocalSites(const std::string& measureMs)
        : server_({"--root", TIDEMARK_SITES_ROOT, "--measure-ms", measureMs, "--idle-exit-ms", "600000"}) {
        unsetenv("DISPLAY");  // headless, as in CI
        unsetenv("WAYLAND_DISPLAY");
        setenv("TIDEMARK_LOCAL_SITES", server_.Url("/").c_str(), 1);
    }
    std::string Url(Page page) const {
        return server_.Url(page == Page::Fast   ? "/fast.com/ja/"
                           : page == Page::Usen ? "/speedtest.gate02.ne.jp/"
                                                : "/www.speedtest.net/");
    }

private:
    chromium::SiteServerProcess server_;
};

// A browser of its own that opens a page, presses its start where it has one, and leaves it alone.
class AloneBrowser {
public:
    explicit AloneBrowser(const std::filesystem::path& profile)
        : process_(chromium::ChromiumOptions{
              .program = "/usr/bin/chromium", .profileFolder = profile.string(), .headless = true}) {}

    PageResult Run(Page page, const std::string& url) {
        chromium::DevToolsPipe& devtools = process_.devtools();
        const std::string target =
            devtools.Call("Target.createTarget", {{"url", url}}).at("targetId").get<std::string>();
        const std::string session = chromium::AttachToPage(devtools, target);
        if (page != Page::Fast) {
            const char* start = page == Page::Usen ? ".btn-start" : ".js-start-test";
            const std::string click = std::string(R"(new Promise(resolve => {
                const go = () => { document.querySelector(')") +
                                      start + R"(').click(); resolve(); };
                document.readyState === 'loading' ? addEventListener('DOMContentLoaded', go) : go();
            }))";
            devtools.Call("Runtime.evaluate", {{"expression", click}, {"awaitPromise", true}}, session);
        }
        PageResult result = AwaitMark(devtools, session);
        devtools.Call("Target.closeTarget", {{"targetId", target}});
        devtools.TakeEvents();
        return result;
    }

private:
    chromium::ChromiumProcess process_;
};

// Tidemark's own browser layer and waits, as a run uses them: one window, each page opened by its address.
class ObservedBrowser {
public:
    ObservedBrowser() {
        InitAutomation(context_);
        GetEdgePath(context_);
    }

    PageResult Run(Page page) {
        bool newWindow = true;
        if (!window_ && !LaunchEdge(context_, "", window_, browserView_, tab_, document_, newWindow)) return {};
        const Site& site = page == Page::Fast ? kSiteFAST : page == Page::Usen ? kSiteUSEN : kSiteSPEED;
        bool timedOut = false;
        if (!OpenSitePage(context_, window_, browserView_, tab_, document_, std::string(site.address),
                          std::string(site.title), timedOut))
            return {};
        std::string text[8], unit[8];
        bool read = false;
        if (page == Page::Fast) {
            read = TestFAST(context_, window_, browserView_, tab_, document_, text[0], unit[0]);
        } else if (page == Page::Usen) {
            read = TestUSEN(context_, window_, browserView_, tab_, document_, text[0], unit[0], text[1], unit[1],
                            text[2], unit[2], text[3], unit[3]);
        } else {
            std::string server;
            read = WaitSpeedServerChosen(context_, window_, browserView_, document_, server) &&
                   TestSPEED(context_, window_, browserView_, tab_, document_, text[0], unit[0], text[1], unit[1],
                             text[2], unit[2]);
        }
        const double readAt = EpochMs();
        const auto sinceLastRead = std::chrono::steady_clock::now() - services_.browser.chromium()->pageReadAt();
        if (!read) return {};
        PageResult result = MarkOfShownPage();
        result.readAtMs = readAt;
        result.pageReadAtMs = readAt - std::chrono::duration<double, std::milli>(sinceLastRead).count();
        return result;
    }

private:
    // The page's mark, through a session of our own, once Tidemark has read it.
    PageResult MarkOfShownPage() {
        chromium::DevToolsPipe& devtools = Devtools();
        const nlohmann::json targets = devtools.Call("Target.getTargets").at("targetInfos");
        for (const nlohmann::json& info : targets) {
            if (info.at("type") != "page") continue;
            const std::string session = chromium::AttachToPage(devtools, info.at("targetId").get<std::string>());
            PageResult result = AwaitMark(devtools, session);
            result.shownAtMs -= PageClockAhead(devtools, session);
            devtools.Call("Target.detachFromTarget", {{"sessionId", session}});
            return result;
        }
        return {};
    }
    // How far the page's clock (its time origin plus performance.now()) runs ahead of ours: the
    // least of a few readings against the middle of the call that took each.
    static double PageClockAhead(chromium::DevToolsPipe& devtools, const std::string& session) {
        double best = std::numeric_limits<double>::infinity(), ahead = 0;
        for (int reading = 0; reading < 5; ++reading) {
            const double before = EpochMs();
            const nlohmann::json reply = devtools.Call(
                "Runtime.evaluate",
                {{"expression", "performance.timeOrigin + performance.now()"}, {"returnByValue", true}}, session);
            const double after = EpochMs();
            if (after - before < best) {
                best = after - before;
                ahead = reply.at("result").at("value").get<double>() - (before + after) / 2;
            }
        }
        return ahead;
    }
    chromium::DevToolsPipe& Devtools() { return services_.browser.chromium()->process()->devtools(); }

    qt::QtPlatform services_{qt::BrowserChoice::Chromium};
    Context context_{services_.platform};
    uia::Ref<uia::Element> window_, browserView_, tab_, document_;
};

inline double Median(std::vector<double> values) {
    std::erase_if(values, [](double value) { return std::isnan(value); });
    if (values.empty()) return kNoFigure;
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2;
}

}  // namespace tidemark::bench
