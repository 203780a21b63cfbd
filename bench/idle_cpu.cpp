// The Linux build armed and idle on the real clock: the Qt window over
// Form1 with the schedule on and the next run half an hour away, the
// window's 500 ms timer counting down. Prints the process CPU time that
// costs, per minute and as a share of one core (goal: under 0.1 %).
//
//   idle_cpu [seconds]   (default 60)

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QTimer>

#include "app/form1.h"
#include "bench_home.h"
#include "common/app_identity.h"
#include "common/wait_clock.h"
#include "qt/form1_window.h"
#include "qt/qt_platform.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

constexpr int kSettleMs = 2'000;  // start-up and the first paint are not idling

}  // namespace

int main(int argc, char* argv[]) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: idle_cpu [seconds]\n");
        return 2;
    }
    tidemark::bench::BenchHome home;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tidemark::kAppTitle));

    tidemark::qt::QtPlatform services;
    tidemark::Context context(services.platform);
    tidemark::Form1 form(context);
    tidemark::qt::Form1Window window(form, [] { QApplication::quit(); });
    services.SetMainWindow(&window);
    services.pump.SetBeforeEvents([&window] { window.SyncFromForm(); });
    if (form.Form_Load() != tidemark::ProcessFate::KeepRunning) {
        std::fprintf(stderr, "another copy holds the lock\n");
        return 1;
    }

    // As Start leaves the window after its first run, with the next run 30 minutes off.
    form.txtInterval.Text = "30";
    form.Frame1.Enabled = false;
    form.cmdStart.Enabled = false;
    form.cmdStop.Enabled = true;
    form.cmdTestNow.Enabled = true;
    form.NextRunTime = tidemark::ReadWaitClock(services.clock) + 1800;
    form.tmrProc.Enabled = true;
    window.SyncFromForm();
    window.show();

    double cpuStart = 0;
    std::chrono::steady_clock::time_point wallStart;
    QTimer::singleShot(kSettleMs, [&] {
        cpuStart = CpuSeconds();
        wallStart = std::chrono::steady_clock::now();
        QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
            const double cpu = CpuSeconds() - cpuStart;
            const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
            std::printf("idle, armed, next run in %s: %.1f s wall, %.1f ms CPU\n", form.lblTimeRemain.Caption.c_str(),
                        wall, cpu * 1000);
            std::printf("CPU per minute: %.2f ms; share of one core: %.4f %% (goal: under 0.1 %%)\n",
                        cpu * 1000 * 60 / wall, 100 * cpu / wall);
            QApplication::quit();
        });
    });
    const int code = QApplication::exec();
    form.tmrProc.Enabled = false;
    return code;
}
