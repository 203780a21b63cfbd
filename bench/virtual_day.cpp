// A simulated day of a 30-minute schedule in virtual time: the whole
// program on the simulated desktop, the pages with their realistic
// durations, the window's 500 ms timer delivered by the message loop.
// Prints how much faster than the real clock the day passes (goal: at
// least 10,000 times) and the rows it wrote (48).
//
//   virtual_day [idle pass ms]   (default 500: an idle window wakes only for its timer)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/form1.h"
#include "sim/sim_edge.h"
#include "sim/sim_measurement_sites.h"
#include "sim/sim_platform.h"

namespace {

using namespace tidemark;

constexpr double kDayMs = 24 * 3'600'000.0;
constexpr int kTickMs = 500;

}  // namespace

int main(int argc, char* argv[]) {
    const int passMs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kTickMs;
    sim::SimPlatform sim;
    Context context(sim.platform());
    sim::SimEdge edge(sim.desktop);
    edge.Attach(sim.processStarter, sim.keyboard);
    sim::MeasurementSites sites;
    sites.Register(edge);
    const std::string csvPath = std::string(sim::SimFileSystem::kDocuments) + "\\Tidemark.csv";

    int rows = 0;
    {
        Form1 form(context);
        if (form.Form_Load() != ProcessFate::KeepRunning) return 1;
        form.txtInterval.Text = "30";
        form.chkCloseEdge.Value = 0;

        double nextTickMs = 0;
        sim.pump.OnEachPass([&] {
            if (!form.tmrProc.Enabled || sim.clock.ElapsedMs() < nextTickMs) return;
            nextTickMs = sim.clock.ElapsedMs() + kTickMs;
            form.tmrProc_Timer();
        });

        const auto realStart = std::chrono::steady_clock::now();
        form.cmdStart_Click();
        while (sim.clock.ElapsedMs() < kDayMs - 1000) {
            sim.clock.Sleep(passMs);
            sim.pump.DoEvents();
        }
        const double realSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - realStart).count();
        const double virtualSeconds = sim.clock.ElapsedMs() / 1000.0;

        const std::string csv = sim.files.Contents(csvPath);
        rows = static_cast<int>(std::count(csv.begin(), csv.end(), '\n')) - 2;
        int errorFigures = 0;
        for (std::size_t at = csv.find("Error"); at != std::string::npos; at = csv.find("Error", at + 1))
            ++errorFigures;
        std::printf("idle message pass every %d ms\n", passMs);
        std::printf("virtual time: %.0f s (%.2f h); real time: %.3f s\n", virtualSeconds, virtualSeconds / 3600,
                    realSeconds);
        std::printf("virtual/real speed-up: %.0f (goal: at least 10000)\n", virtualSeconds / realSeconds);
        std::printf("rows written: %d (48 expected), figures in error: %d\n", rows, errorFigures);
        std::printf("real time per row, idle included: %.1f ms\n", realSeconds * 1000 / std::max(1, rows));

        form.elmEdgeWindow.reset();
        form.elmEdgeTab.reset();
    }
    context.automation = AutomationState{};
    return rows == 48 && sim.desktop.live().total() == 0 ? 0 : 1;
}
