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
#include <stdexcept>
#include <string>
#include <thread>
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

// Runs `expression` (a promise) in the page's document until it gives a value
// or `deadline` passes, which throws std::runtime_error. A document that went
// mid-way (the target opens at about:blank and then navigates) is answered by
// evaluating again in the one that took its place; an expression that throws
// "tidemark: not yet" is tried again a moment later.
inline nlohmann::json EvaluateUntil(chromium::DevToolsPipe& devtools, const std::string& session,
                                    const std::string& expression, std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    const auto timeout = devtools.timeout();
    struct RestoreTimeout {
        chromium::DevToolsPipe& devtools;
        milliseconds timeout;
        ~RestoreTimeout() { devtools.SetTimeout(timeout); }
    } restore{devtools, timeout};
    std::string last = "no attempt";
    for (;;) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left <= milliseconds(0)) throw std::runtime_error("gave up: " + last);
        devtools.SetTimeout(left);
        nlohmann::json reply;
        try {
            reply =
                devtools.Call("Runtime.evaluate",
                              {{"expression", expression}, {"awaitPromise", true}, {"returnByValue", true}}, session);
        } catch (const PlatformError& error) {
            const std::string what = error.what();
            const bool contextGone = what.find("Execution context was destroyed") != std::string::npos ||
                                     what.find("Cannot find default execution context") != std::string::npos ||
                                     what.find("Cannot find context") != std::string::npos ||
                                     what.find("Inspected target navigated") != std::string::npos;
            if (error.code() != kEFail || !contextGone) throw;
            last = what;
            continue;
        }
        if (const auto exception = reply.find("exceptionDetails"); exception != reply.end()) {
            last = exception->dump();
            if (last.find("tidemark: not yet") == std::string::npos) throw std::runtime_error("page threw: " + last);
            std::this_thread::sleep_for(milliseconds(20));
            continue;
        }
        return reply.at("result").at("value");
    }
}

// The figures the page marked when it showed its result (waiting for the mark, without polling).
inline PageResult AwaitMark(chromium::DevToolsPipe& devtools, const std::string& session,
                            std::chrono::steady_clock::time_point deadline, const std::string& before = "") {
    const std::string await = "(async () => {" + before + R"(
        return await new Promise(resolve => {
            const found = list => {
                const mark = list.getEntriesByName('tidemark:result-shown')[0];
                if (mark) resolve(JSON.stringify({...mark.detail, shownAt: performance.timeOrigin + mark.startTime}));
                return mark !== undefined;
            };
            if (!found(performance))
                new PerformanceObserver((list, observer) => { if (found(list)) observer.disconnect(); }).observe({type: 'mark'});
        });
    })())";
    const nlohmann::json figures =
        nlohmann::json::parse(EvaluateUntil(devtools, session, await, deadline).get<std::string>());
    PageResult result;
    result.download = figures.value("download", kNoFigure);
    result.upload = figures.value("upload", kNoFigure);
    result.ping = figures.value("ping", kNoFigure);
    result.shownAtMs = figures.at("shownAt").get<double>();
    result.ok = true;
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

// A browser of its own that opens a page, presses its start where it has one, and leaves it alone until the
// page marks its result. A page that has not done so within `giveUp` is a failed run, and the round goes on.
class AloneBrowser {
public:
    AloneBrowser(const std::filesystem::path& profile, std::chrono::milliseconds giveUp)
        : process_(chromium::ChromiumOptions{
              .program = "/usr/bin/chromium", .profileFolder = profile.string(), .headless = true}),
          giveUp_(giveUp) {}

    PageResult Run(Page page, const std::string& url) {
        const auto deadline = std::chrono::steady_clock::now() + giveUp_;
        chromium::DevToolsPipe& devtools = process_.devtools();
        PageResult result;
        std::string target;
        try {
            // Opened blank and then sent to the page, so that the page's document is known from the one before it.
            target = devtools.Call("Target.createTarget", {{"url", "about:blank"}}).at("targetId").get<std::string>();
            const std::string session = chromium::AttachToPage(devtools, target);
            devtools.Call("Page.navigate", {{"url", url}}, session);
            const std::string start = page == Page::Fast ? "" : page == Page::Usen ? ".btn-start" : ".js-start-test";
            // Started once per document, even when the evaluation is made again.
            const std::string before = "if (location.href !== new URL(" + nlohmann::json(url).dump() +
                                       R"().href) throw new Error('tidemark: not yet');
                if (document.readyState === 'loading')
                    await new Promise(resolve => addEventListener('DOMContentLoaded', resolve, {once: true}));
                const start = )" + nlohmann::json(start).dump() +
                                       R"(;
                if (start && !window.tidemarkStarted) {
                    window.tidemarkStarted = true;
                    document.querySelector(start).click();
                })";
            result = AwaitMark(devtools, session, deadline, before);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "alone, %s: no result: %s\n", NameOf(page), error.what());
            result = {};
        }
        try {
            if (!target.empty()) devtools.Call("Target.closeTarget", {{"targetId", target}});
        } catch (const std::exception& error) {
            std::fprintf(stderr, "alone, %s: closing the page: %s\n", NameOf(page), error.what());
        }
        devtools.TakeEvents();
        return result;
    }

private:
    chromium::ChromiumProcess process_;
    std::chrono::milliseconds giveUp_;
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
            PageResult result;
            try {
                result = AwaitMark(devtools, session, std::chrono::steady_clock::now() + std::chrono::seconds(30));
                result.shownAtMs -= PageClockAhead(devtools, session);
            } catch (const std::exception& error) {
                std::fprintf(stderr, "observed: no mark: %s\n", error.what());
                result = {};
            }
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
