// The real-time cost of one poll of each wait against a real headless
// Chromium showing the local measurement pages: the work the program does
// between two pauses (reading the browser and the page, the searches, the
// window's checks), without the pause itself. Prints, per wait, the number of
// polls, the median and the worst, and the DevTools calls a poll made (the
// share of polls that made none: the page did not change). Usage: chromium_polls [measure-ms]
// (how long each page measures; default 8000).

#include <algorithm>
#include <functional>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <optional>
#include <vector>

#include <QApplication>

#include "bench_home.h"
#include "browser/edge_launch.h"
#include "common/automation_startup.h"
#include "common/edge_path.h"
#include "qt/qt_platform.h"
#include "site_server_process.h"
#include "sites/fast_site.h"
#include "sites/site_page.h"
#include "sites/site_table.h"
#include "sites/speed_site.h"
#include "sites/usen_site.h"
#include "thread_cpu.h"

namespace {

using namespace tidemark;
using Clock = std::chrono::steady_clock;

double ThreadCpuMicroseconds() { return bench::ThreadCpuSeconds() * 1e6; }

struct Poll {
    double wallUs;
    double cpuUs;
    double calls;  // DevTools calls made
};

// Times the stretch between the end of one pause and the start of the next:
// one poll's work, filed under the wait now running. The wall time includes
// waiting for the browser's answers; the CPU time is this program's own.
class PollTimer : public Sleeper {
public:
    PollTimer(Sleeper& inner, std::function<std::int64_t()> calls) : inner_(inner), calls_(std::move(calls)) {}

    void Sleep(int milliseconds) override {
        const auto now = Clock::now();
        const double cpu = ThreadCpuMicroseconds();
        if (awake_)
            polls_[phase_].push_back({std::chrono::duration<double, std::micro>(now - *awake_).count(), cpu - awakeCpu_,
                                      static_cast<double>(calls_() - awakeCalls_)});
        inner_.Sleep(milliseconds);
        awake_ = Clock::now();
        awakeCpu_ = ThreadCpuMicroseconds();
        awakeCalls_ = calls_();
    }

    // Work before the first pause of a wait belongs to what came before it.
    void Phase(const std::string& name) {
        phase_ = name;
        awake_.reset();
    }

    void Report() const {
        std::printf("%-14s %6s %21s %21s %27s\n", "", "", "real time (ms)", "own CPU time (ms)",
                    "DevTools calls per poll");
        std::printf("%-14s %6s %10s %10s %10s %10s %8s %8s %9s\n", "wait", "polls", "median", "worst", "median",
                    "worst", "median", "mean", "with none");
        for (const std::string& name : order_) {
            const auto found = polls_.find(name);
            if (found == polls_.end() || found->second.empty()) {
                std::printf("%-14s %6d\n", name.c_str(), 0);
                continue;
            }
            std::vector<double> wall, cpu, calls;
            for (const Poll& poll : found->second) {
                wall.push_back(poll.wallUs);
                cpu.push_back(poll.cpuUs);
                calls.push_back(poll.calls);
            }
            std::sort(wall.begin(), wall.end());
            std::sort(cpu.begin(), cpu.end());
            std::sort(calls.begin(), calls.end());
            double total = 0;
            for (double each : calls) total += each;
            const auto none = std::count(calls.begin(), calls.end(), 0.0);
            std::printf("%-14s %6zu %10.2f %10.2f %10.2f %10.2f %8.0f %8.2f %8.0f%%\n", name.c_str(), wall.size(),
                        wall[wall.size() / 2] / 1000, wall.back() / 1000, cpu[cpu.size() / 2] / 1000, cpu.back() / 1000,
                        calls[calls.size() / 2], total / static_cast<double>(calls.size()),
                        100.0 * static_cast<double>(none) / static_cast<double>(calls.size()));
        }
    }

    std::vector<std::string> order_;

private:
    Sleeper& inner_;
    std::string phase_ = "start";
    std::optional<Clock::time_point> awake_;
    double awakeCpu_ = 0;
    std::int64_t awakeCalls_ = 0;
    std::function<std::int64_t()> calls_;
    std::map<std::string, std::vector<Poll>> polls_;
};

}  // namespace

int main(int argc, char* argv[]) {
    const std::string measureMs = argc > 1 ? argv[1] : "8000";
    bench::BenchHome home;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsetenv("DISPLAY");  // headless, as in CI
    unsetenv("WAYLAND_DISPLAY");
    chromium::SiteServerProcess server({"--root", TIDEMARK_SITES_ROOT, "--measure-ms", measureMs});
    setenv("TIDEMARK_LOCAL_SITES", server.Url("/").c_str(), 1);

    QApplication application(argc, argv);
    qt::QtPlatform services(qt::BrowserChoice::Chromium);
    PollTimer timer(services.platform.sleeper, [&services]() -> std::int64_t {
        chromium::ChromiumProcess* process = services.browser.chromium()->process();
        return process != nullptr ? process->devtools().calls() : 0;
    });
    Platform platform = services.platform;
    Platform timed{platform.clock,
                   timer,
                   platform.pump,
                   platform.keyboard,
                   platform.settings,
                   platform.instanceLock,
                   platform.messageBoxes,
                   platform.processStarter,
                   platform.browserLocation,
                   platform.windowOrder,
                   platform.beeper,
                   platform.environment,
                   platform.locale,
                   platform.automationFactory,
                   platform.files,
                   platform.specialFolders};
    Context context(timed);
    InitAutomation(context);
    GetEdgePath(context);
    timer.order_ = {"LaunchEdge", "WaitSitePage", "FAST", "USEN", "SPEED server", "SPEED gauge"};

    uia::Ref<uia::Element> window, browserView, tab, document;
    bool ok = true;
    bool timedOut = false;
    bool newWindow = true;
    timer.Phase("LaunchEdge");
    ok = LaunchEdge(context, "", window, browserView, tab, document, newWindow) && ok;

    auto open = [&](const Site& site) {
        timer.Phase("WaitSitePage");
        return OpenSitePage(context, window, browserView, tab, document, std::string(site.address),
                            std::string(site.title), timedOut);
    };
    std::string figures[8], units[8];
    ok = open(kSiteFAST) && ok;
    timer.Phase("FAST");
    ok = TestFAST(context, window, browserView, tab, document, figures[0], units[0]) && ok;
    ok = open(kSiteUSEN) && ok;
    timer.Phase("USEN");
    ok = TestUSEN(context, window, browserView, tab, document, figures[1], units[1], figures[2], units[2], figures[3],
                  units[3], figures[4], units[4]) &&
         ok;
    ok = open(kSiteSPEED) && ok;
    timer.Phase("SPEED server");
    std::string serverText;
    ok = WaitSpeedServerChosen(context, window, browserView, document, serverText) && ok;
    timer.Phase("SPEED gauge");
    ok = TestSPEED(context, window, browserView, tab, document, figures[5], units[5], figures[6], units[6], figures[7],
                   units[7]) &&
         ok;
    timer.Phase("done");

    std::printf("pages measuring %s ms each; figures:", measureMs.c_str());
    for (int i = 0; i < 8; ++i) std::printf(" %s%s", figures[i].c_str(), units[i].c_str());
    std::printf("\n");
    timer.Report();
    if (!ok) std::printf("a wait failed: the figures above are not all of a whole run\n");
    return ok ? 0 : 1;
}
