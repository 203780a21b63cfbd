// The time from a page showing its result to Tidemark having read its
// figures: the local pages in a real headless Chromium, read by Tidemark's own
// waits as in a run, `runs` times each. The page marks the moment it shows
// its result (performance.mark, on the page's clock: its time origin plus the
// mark); Tidemark has read the figures when its wait returns them (the system
// clock). Prints per page and overall the median and the worst (goal: median
// under 50 ms).
//
//   reading_latency [runs] [measure-ms]   (default 10 runs of each page measuring 2000 ms)

#include <cstdlib>

#include "local_page_runs.h"

int main(int argc, char* argv[]) {
    using namespace tidemark::bench;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    const std::string measureMs = argc > 2 ? argv[2] : "2000";
    if (runs <= 0) {
        std::fprintf(stderr, "usage: reading_latency [runs] [measure-ms]\n");
        return 2;
    }
    BenchHome home;
    LocalSites sites(measureMs);
    QApplication application(argc, argv);
    ObservedBrowser observed;

    const Page pages[] = {Page::Fast, Page::Usen, Page::Speed};
    std::vector<double> all;
    std::printf("%-6s %5s %12s %12s\n", "page", "runs", "median (ms)", "worst (ms)");
    std::vector<std::vector<double>> latencies(3);
    int failed = 0;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < 3; ++i) {
            const PageResult result = observed.Run(pages[i]);
            if (!result.ok) {
                ++failed;
                continue;
            }
            latencies[i].push_back(result.readAtMs - result.shownAtMs);
            all.push_back(latencies[i].back());
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (latencies[i].empty()) continue;
        std::printf("%-6s %5zu %12.1f %12.1f\n", NameOf(pages[i]), latencies[i].size(), Median(latencies[i]),
                    *std::max_element(latencies[i].begin(), latencies[i].end()));
    }
    if (!all.empty())
        std::printf("%-6s %5zu %12.1f %12.1f   (goal: median under 50 ms)\n", "all", all.size(), Median(all),
                    *std::max_element(all.begin(), all.end()));
    if (failed > 0) std::printf("%d runs gave no reading\n", failed);
    return failed == 0 ? 0 : 1;
}
