// The time from a page showing its result to Tidemark having read its
// figures: the local pages in a real headless Chromium, read by Tidemark's own
// waits as in a run, `runs` times each. The page marks the moment it shows
// its result (performance.mark, on the page's clock: its time origin plus the
// mark, set to our clock by comparing the two); Tidemark has read the figures
// when its wait returns them (the system clock). Prints per page and overall
// the median and the worst (goal: median under 50 ms), and the same for the
// browser layer's last reading of the page before that, the page's result in
// the tree: the rest is the waits' own pauses and checks.
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
    // Per page, then all: shown -> figures returned by the wait, and shown -> page read.
    std::vector<std::vector<double>> returned(4), read(4);
    int failed = 0;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < 3; ++i) {
            const PageResult result = observed.Run(pages[i]);
            if (!result.ok) {
                ++failed;
                continue;
            }
            for (std::size_t into : {i, std::size_t{3}}) {
                returned[into].push_back(result.readAtMs - result.shownAtMs);
                read[into].push_back(result.pageReadAtMs - result.shownAtMs);
            }
        }
    }
    std::printf("%-6s %5s %25s %25s\n", "", "", "shown -> figures read (ms)", "shown -> page read (ms)");
    std::printf("%-6s %5s %12s %12s %12s %12s\n", "page", "runs", "median", "worst", "median", "worst");
    for (std::size_t i = 0; i < 4; ++i) {
        if (returned[i].empty()) continue;
        std::printf("%-6s %5zu %12.1f %12.1f %12.1f %12.1f\n", i < 3 ? NameOf(pages[i]) : "all", returned[i].size(),
                    Median(returned[i]), *std::max_element(returned[i].begin(), returned[i].end()), Median(read[i]),
                    *std::max_element(read[i].begin(), read[i].end()));
    }
    std::printf("goal: figures read, median under 50 ms\n");
    if (failed > 0) std::printf("%d runs gave no reading\n", failed);
    return failed == 0 ? 0 : 1;
}
