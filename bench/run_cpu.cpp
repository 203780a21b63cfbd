// One whole run of the Linux build on the real clock: the Qt window over
// Form1, Start pressed. Prints the wall time, this process's own CPU time (a
// browser's is its own) and its share of the wall time (goal: under 1 %). The
// result file goes to a throw-away home.
//
//   run_cpu                         the simulated Edge showing the simulated pages with their
//                                   realistic durations (FAST about 10 s, USEN about 20 s,
//                                   SPEED a few seconds and about 30 s)
//   run_cpu --chromium [measure-ms] a real headless Chromium showing the local measurement
//                                   pages, each measuring for measure-ms (default 15000)

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <QTimer>

#include "bench_qt_program.h"
#include "site_server_process.h"

int main(int argc, char* argv[]) {
    const bool chromium = argc > 1 && std::strcmp(argv[1], "--chromium") == 0;
    const std::string measureMs = chromium && argc > 2 ? argv[2] : "15000";
    std::unique_ptr<tidemark::chromium::SiteServerProcess> server;
    if (chromium) {
        unsetenv("DISPLAY");  // headless, as in CI
        unsetenv("WAYLAND_DISPLAY");
        server = std::make_unique<tidemark::chromium::SiteServerProcess>(
            std::vector<std::string>{"--root", TIDEMARK_SITES_ROOT, "--measure-ms", measureMs});
        setenv("TIDEMARK_LOCAL_SITES", server->Url("/").c_str(), 1);
    }

    int qtArgc = 1;
    tidemark::bench::QtBenchProgram program(
        qtArgc, argv, chromium ? tidemark::qt::BrowserChoice::Chromium : tidemark::qt::BrowserChoice::Simulated);
    if (!program.Load()) {
        std::fprintf(stderr, "another copy holds the lock\n");
        return 1;
    }
    tidemark::Form1& form = program.form;
    tidemark::qt::Form1Window& window = program.window;
    window.show();

    bool measured = false;
    QTimer::singleShot(500, [&] {
        const double cpuStart = tidemark::bench::ProcessCpuSeconds();
        const double threadStart = tidemark::bench::ThreadCpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        form.cmdStart_Click();  // the first run happens inside the click
        window.SyncFromForm();
        const double cpu = tidemark::bench::ProcessCpuSeconds() - cpuStart;
        const double threadCpu = tidemark::bench::ThreadCpuSeconds() - threadStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        form.tmrProc.Enabled = false;
        window.SyncFromForm();
        measured = true;

        std::ifstream file(program.home.documents() / (form.txtFileName.Text + ".csv"), std::ios::binary);
        const std::string csv((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        const std::size_t lastLineEnd = csv.size() >= 3 ? csv.rfind("\r\n", csv.size() - 3) : std::string::npos;
        const std::size_t lastRow = lastLineEnd == std::string::npos ? lastLineEnd : lastLineEnd + 2;
        if (chromium) std::printf("real headless Chromium, local pages measuring %s ms each\n", measureMs.c_str());
        std::printf("status: %s\n", form.lblTimeRemain.Caption.c_str());
        std::printf("row: %s", lastRow == std::string::npos ? "(none)\n" : csv.substr(lastRow).c_str());
        std::printf(
            "one run: %.1f s wall, %.0f ms CPU of this process (%.0f ms of it in the program's own thread); "
            "CPU share %.3f %% (goal: under 1 %%)\n",
            wall, cpu * 1000, threadCpu * 1000, 100 * cpu / wall);
        QApplication::quit();
    });
    const int code = QApplication::exec();
    return measured ? code : 1;
}
