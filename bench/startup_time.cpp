// Start-up of the Linux build: from the process's start (as the kernel
// records it, to 10 ms) and from main's entry to the window's first paint,
// offscreen, with the same steps main.cpp takes.

#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "app/form1.h"
#include "bench_home.h"
#include "common/app_identity.h"
#include "qt/form1_window.h"
#include "qt/qt_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

// Seconds the process had been running when this was called, from /proc/self/stat's start time.
double SecondsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses and may hold blanks.
    std::istringstream rest(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 22; ++i) rest >> field;
    unsigned long long startTicks = 0;
    rest >> startTicks;
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double now = static_cast<double>(boot.tv_sec) + static_cast<double>(boot.tv_nsec) / 1e9;
    return now - static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            at = Clock::now();
            QTimer::singleShot(0, [] { QApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }
    bool seen = false;
    Clock::time_point at;
};

}  // namespace

int main(int argc, char* argv[]) {
    const Clock::time_point entry = Clock::now();
    const double beforeMain = SecondsSinceProcessStart();
    tidemark::bench::BenchHome home;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tidemark::kAppTitle));
    const Clock::time_point applicationMade = Clock::now();

    tidemark::qt::QtPlatform services{tidemark::qt::BrowserChoice::Simulated};
    tidemark::Context context(services.platform);
    tidemark::Form1 form(context);
    tidemark::qt::Form1Window window(form, [] { QApplication::quit(); });
    services.SetMainWindow(&window);
    services.pump.SetBeforeEvents([&window] { window.SyncFromForm(); });
    const Clock::time_point windowMade = Clock::now();
    if (form.Form_Load() != tidemark::ProcessFate::KeepRunning) {
        std::fprintf(stderr, "another copy holds the lock\n");
        return 1;
    }
    const Clock::time_point loaded = Clock::now();
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.SyncFromForm();
    window.show();
    QTimer::singleShot(10'000, [] { QApplication::quit(); });
    QApplication::exec();
    if (!paint.seen) {
        std::printf("the window was not painted within 10 s\n");
        return 1;
    }

    std::printf("main's entry: %.0f ms after the process started (loading the program and its libraries)\n",
                beforeMain * 1000);
    std::printf("QApplication made: %.1f ms after main's entry\n", Ms(entry, applicationMade));
    std::printf("platform, Form1 and the Qt window built: %.1f ms\n", Ms(entry, windowMade));
    std::printf("Form_Load done: %.1f ms\n", Ms(entry, loaded));
    std::printf("first paint: %.1f ms after main's entry, %.0f ms after the process started\n", Ms(entry, paint.at),
                beforeMain * 1000 + Ms(entry, paint.at));
    return 0;
}
