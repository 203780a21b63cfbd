// Whether Tidemark's reading of a page lowers what the page measures: the
// three local pages in a real headless Chromium, each measured alone (nothing
// reads it until it shows its result) and observed (Tidemark's own waits read
// it, as in a run), the two taken in turn, `rounds` times each. Prints per page
// and figure the median alone and observed, the ratio of the medians
// (observed ÷ alone; goal: 0.99 or more for download and upload, ping within
// its spread) with a bootstrap 90 % interval of that ratio, and each side's
// spread (interquartile range over the median).
//
//   observer_effect [rounds] [measure-ms]   (default 8 rounds, pages measuring 3000 ms)

#include <cstdlib>
#include <map>
#include <random>

#include "local_page_runs.h"

namespace {

using namespace tidemark::bench;

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

std::vector<double> Present(const std::vector<double>& values) {
    std::vector<double> kept;
    for (double value : values)
        if (!std::isnan(value)) kept.push_back(value);
    return kept;
}

// The 5th and 95th percentiles of the ratio of medians over resamples of both sides.
std::pair<double, double> RatioInterval(const std::vector<double>& alone, const std::vector<double>& observed) {
    std::mt19937 random(17);
    std::vector<double> ratios;
    for (int draw = 0; draw < 2000; ++draw) {
        auto resample = [&](const std::vector<double>& values) {
            std::uniform_int_distribution<std::size_t> pick(0, values.size() - 1);
            std::vector<double> drawn;
            for (std::size_t i = 0; i < values.size(); ++i) drawn.push_back(values[pick(random)]);
            return Median(drawn);
        };
        ratios.push_back(resample(observed) / resample(alone));
    }
    return {Quantile(ratios, 0.05), Quantile(ratios, 0.95)};
}

void Report(const char* page, const char* figure, const std::vector<double>& aloneAll,
            const std::vector<double>& observedAll) {
    const std::vector<double> alone = Present(aloneAll), observed = Present(observedAll);
    if (alone.empty() || observed.empty()) return;
    const double aloneMedian = Median(alone), observedMedian = Median(observed);
    const auto [low, high] = RatioInterval(alone, observed);
    auto spread = [](const std::vector<double>& values) {
        return 100 * (Quantile(values, 0.75) - Quantile(values, 0.25)) / Median(values);
    };
    std::printf("%-6s %-9s %4zu %12.2f %12.2f %8.3f  [%.3f, %.3f] %8.1f %% %8.1f %%\n", page, figure, alone.size(),
                aloneMedian, observedMedian, observedMedian / aloneMedian, low, high, spread(alone), spread(observed));
}

}  // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 8;
    const std::string measureMs = argc > 2 ? argv[2] : "3000";
    if (rounds <= 0) {
        std::fprintf(stderr, "usage: observer_effect [rounds] [measure-ms]\n");
        return 2;
    }
    BenchHome home;
    LocalSites sites(measureMs);
    QApplication application(argc, argv);
    ObservedBrowser observed;
    AloneBrowser alone(std::filesystem::temp_directory_path() / ("tidemark-alone-" + std::to_string(getpid())));

    const Page pages[] = {Page::Fast, Page::Usen, Page::Speed};
    std::map<Page, std::vector<PageResult>> aloneRuns, observedRuns;
    int failed = 0;
    for (int round = 0; round < rounds; ++round) {
        for (Page page : pages) {
            // Each side goes first in every other round, so that a drift of the machine falls on both alike.
            for (int turn = 0; turn < 2; ++turn) {
                const bool observedTurn = (turn == 0) == (round % 2 == 0);
                PageResult result = observedTurn ? observed.Run(page) : alone.Run(page, sites.Url(page));
                if (!result.ok) {
                    ++failed;
                    continue;
                }
                (observedTurn ? observedRuns : aloneRuns)[page].push_back(result);
            }
        }
        std::fprintf(stderr, "round %d of %d done\n", round + 1, rounds);
    }

    std::printf("pages measuring %s ms, %d rounds, %d runs without a result\n", measureMs.c_str(), rounds, failed);
    std::printf("%-6s %-9s %4s %12s %12s %8s  %-16s %10s %10s\n", "page", "figure", "runs", "alone", "observed",
                "ratio", "90% interval", "IQR alone", "IQR obs.");
    for (Page page : pages) {
        auto figure = [&](const char* name, double PageResult::*field) {
            std::vector<double> a, o;
            for (const PageResult& run : aloneRuns[page]) a.push_back(run.*field);
            for (const PageResult& run : observedRuns[page]) o.push_back(run.*field);
            Report(NameOf(page), name, a, o);
        };
        figure("download", &PageResult::download);
        figure("upload", &PageResult::upload);
        figure("ping", &PageResult::ping);
    }
    return failed == 0 ? 0 : 1;
}
