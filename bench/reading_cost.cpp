// The cost of one reading of a page by the Chromium layer after the page
// changed: the local FAST page in a real headless Chromium, left when it has
// shown its result, then changed from outside, one change at a time, and
// polled once after each (the poll's first call on the page document reads
// it). The changes: a small one (the figure's text set, as FAST's own script
// sets it), a big one (a block of results put in: seventeen elements with ids,
// classes and texts, one taking clicks) and that block taken out again; and
// polls of the unchanged page and one no-op DevTools call (Runtime.evaluate
// of 1 on the page, the floor of any reading) for comparison. Prints per kind the readings,
// the real time and this thread's own CPU time of the poll (median and
// worst), the DevTools calls it made, and in how many readings the tree then
// showed the change (it must be all). Goal: a reading after the small change
// costs a fifth of a whole reading or less (a whole reading is what every
// change cost before a change of texts was read alone; the big ones still do).
//
//   reading_cost [readings] (default 40 of each kind)

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "chromium/chromium_browser.h"
#include "chromium/page_snapshot.h"
#include "site_server_process.h"
#include "thread_cpu.h"
#include "uia_tree/tree.h"

namespace {

using namespace tidemark;
using SteadyClock = std::chrono::steady_clock;

double ThreadCpuMs() { return bench::ThreadCpuSeconds() * 1e3; }

struct Reading {
    double realMs;
    double cpuMs;
    double calls;
};

struct Kind {
    const char* name;
    std::vector<Reading> readings;
    int shown = 0;
};

double At(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}

constexpr const char* kBlockId = "tidemark-bench-results";

// A results block as the services show one when a measurement ends: labelled figures with units.
std::string InsertBlock(int round) {
    return std::string(R"((() => {
        const block = document.createElement('div');
        block.id = ')") +
           kBlockId + R"(';
        block.className = 'extra-details-container';
        block.addEventListener('click', () => {});
        for (const [label, figure, unit] of [['レイテンシ', 'latency', 'ms'], ['アップロード', 'upload', 'Mbps'],
                                             ['クライアント', 'client', ''], ['サーバー', 'server', '']]) {
            const item = document.createElement('div');
            item.className = 'extra-measurement-' + figure;
            const name = document.createElement('div');
            name.className = 'measurement-label';
            name.textContent = label;
            const value = document.createElement('div');
            value.id = figure + '-value';
            value.className = 'extra-measurement-value-container';
            value.textContent = ')" +
           std::to_string(round) + R"(';
            const units = document.createElement('span');
            units.className = 'units';
            units.textContent = unit;
            item.append(name, value, units);
            block.append(item);
        }
        document.getElementById('test-context-container').append(block);
    })())";
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 40;
    if (count <= 0) {
        std::fprintf(stderr, "usage: reading_cost [readings]\n");
        return 2;
    }
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    std::string profile = (std::filesystem::temp_directory_path() / "tidemark-reading-cost-XXXXXX").string();
    if (::mkdtemp(profile.data()) == nullptr) return 1;
    // Removed however the bench ends, after the browser that used it.
    struct RemovedAtEnd {
        std::string folder;
        ~RemovedAtEnd() {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    } removed{profile};
    chromium::SiteServerProcess server({"--root", TIDEMARK_SITES_ROOT, "--measure-ms", "500"});

    Kind kinds[] = {{"one no-op call", {}, 0},
                    {"unchanged", {}, 0},
                    {"small: figure text", {}, 0},
                    {"big: block put in", {}, 0},
                    {"big: block taken out", {}, 0}};
    int code = 0;
    {
        uia_tree::Tree tree;
        chromium::ChromiumBrowser browser(tree, {.profileFolder = profile, .headless = true});
        browser.Start("/usr/bin/chromium", " --new-window " + server.Url("/fast.com/ja/"));
        const uia::Ref<uia::Automation> automation = tree.CreateAutomation();
        const uia::Ref<uia::Element> root = automation->ElementFromHandle(uia_tree::Tree::kDesktopHandle);
        auto byName = [&](const std::string& name) {
            return automation->CreatePropertyCondition(uia::property::Name, name);
        };
        auto poll = [&]() -> uia::Ref<uia::Element> {
            browser.NewPoll();
            const uia::Ref<uia::Element> window = root->FindFirst(
                uia::scope::Children,
                automation->CreatePropertyCondition(uia::property::ClassName, std::string("Chrome_WidgetWin_1")));
            if (!window) return nullptr;
            return window->FindFirst(uia::scope::Subtree, automation->CreatePropertyCondition(
                                                              uia::property::AutomationId, std::string("RootWebArea")));
        };

        // The page is left once it has shown its result.
        const auto deadline = SteadyClock::now() + std::chrono::seconds(60);
        uia::Ref<uia::Element> document;
        for (;;) {
            document = poll();
            if (document &&
                document->FindFirst(uia::scope::Subtree, automation->CreatePropertyCondition(
                                                             uia::property::ClassName,
                                                             std::string("speed-progress-indicator circle succeeded"))))
                break;
            if (SteadyClock::now() > deadline) {
                std::fprintf(stderr, "the page showed no result in time (document: %s)\n",
                             document ? document->CurrentName().c_str() : "none");
                std::function<void(const uia_tree::NodePtr&, int)> dump = [&](const uia_tree::NodePtr& node,
                                                                              int depth) {
                    std::fprintf(stderr, "%*s%s '%s' #%s\n", depth * 2, "", node->className.c_str(), node->name.c_str(),
                                 node->automationId.c_str());
                    for (const auto& child : node->children()) dump(child, depth + 1);
                };
                dump(tree.root(), 0);
                return 1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }

        chromium::DevToolsPipe& devtools = browser.process()->devtools();
        std::string target;
        const nlohmann::json targets = devtools.Call("Target.getTargets");
        for (const auto& info : targets.at("targetInfos"))
            if (info.at("type") == "page") target = info.at("targetId").get<std::string>();
        const std::string session = chromium::AttachToPage(devtools, target);
        auto change = [&](const std::string& script) {
            devtools.Call("Runtime.evaluate", {{"expression", script}}, session);
            // Time for the page's watcher to tell of it, as between two polls of a wait.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        };
        auto read = [&](Kind& kind, const std::string& expect, bool present) {
            const std::int64_t calls = devtools.calls();
            const double cpu = ThreadCpuMs();
            const auto start = SteadyClock::now();
            browser.NewPoll();
            (void)document->CurrentName();
            kind.readings.push_back({std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count(),
                                     ThreadCpuMs() - cpu, static_cast<double>(devtools.calls() - calls)});
            const bool found = document->FindFirst(uia::scope::Subtree, byName(expect)).get() != nullptr;
            if (found == present) ++kind.shown;
        };

        for (int round = 0; round < count; ++round) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            {
                // The floor of any reading: one round trip to the page's renderer.
                const double cpu = ThreadCpuMs();
                const auto start = SteadyClock::now();
                devtools.Call("Runtime.evaluate", {{"expression", "1"}}, session);
                kinds[0].readings.push_back(
                    {std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count(), ThreadCpuMs() - cpu,
                     1});
                ++kinds[0].shown;
            }
            read(kinds[1], "Mbps", true);
            const std::string figure = std::to_string(1000 + round);
            change("document.getElementById('speed-value').textContent = '" + figure + "'");
            read(kinds[2], figure, true);
            change(InsertBlock(round));
            read(kinds[3], "レイテンシ", true);
            change(std::string("document.getElementById('") + kBlockId + "').remove()");
            read(kinds[4], "レイテンシ", false);
        }

        std::printf(
            "FAST's local page, shown whole, %d readings of each kind; this thread's CPU and real time of "
            "one poll that reads the page\n",
            count);
        std::printf("%-22s %9s %17s %17s %13s %9s\n", "", "", "real time (ms)", "own CPU (ms)", "DevTools calls",
                    "shown");
        std::printf("%-22s %9s %8s %8s %8s %8s %6s %6s\n", "change", "readings", "median", "worst", "median", "worst",
                    "median", "worst");
        for (Kind& kind : kinds) {
            std::vector<double> real, cpu, calls;
            for (const Reading& reading : kind.readings) {
                real.push_back(reading.realMs);
                cpu.push_back(reading.cpuMs);
                calls.push_back(reading.calls);
            }
            std::printf("%-22s %9zu %8.2f %8.2f %8.3f %8.3f %6.0f %6.0f %5d/%zu\n", kind.name, kind.readings.size(),
                        At(real, 0.5), At(real, 1), At(cpu, 0.5), At(cpu, 1), At(calls, 0.5), At(calls, 1), kind.shown,
                        kind.readings.size());
            if (kind.shown != static_cast<int>(kind.readings.size())) code = 1;
        }
        std::printf("goal: small change, median and worst, a fifth of a whole reading or less\n");
    }
    return code;
}
