#pragma once

// The Linux program put together as its main() does, in a throw-away home,
// for the benchmarks that run it on the real clock; and the process's CPU time.

#include <sys/resource.h>
#include <time.h>

#include <QApplication>

#include "app/form1.h"
#include "bench_home.h"
#include "common/app_identity.h"
#include "qt/form1_window.h"
#include "qt/qt_platform.h"
#include "thread_cpu.h"

namespace tidemark::bench {

class QtBenchProgram {
public:
    QtBenchProgram(int& argc, char** argv, qt::BrowserChoice browser = qt::BrowserChoice::Simulated)
        : application(argc, argv), services(browser) {
        QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
        services.SetMainWindow(&window);
        services.pump.SetBeforeEvents([this] { window.SyncFromForm(); });
    }

    // False when another copy holds the instance lock.
    bool Load() {
        if (form.Form_Load() != ProcessFate::KeepRunning) return false;
        window.SyncFromForm();
        return true;
    }

    BenchHome home;  // before QApplication, which reads the environment it sets
    QApplication application;
    qt::QtPlatform services;
    Context context{services.platform};
    Form1 form{context};
    qt::Form1Window window{form, [] { QApplication::quit(); }};
};

inline double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace tidemark::bench
