// Whether Tidemark's reading of a page lowers what the page measures: the
// three local pages in a real headless Chromium, each measured alone (nothing
// reads it until it shows its result) and observed (Tidemark's own waits read
// it, as in a run), the two taken in turn, `rounds` times each. Prints per page
// and figure the median alone and observed, the ratio of the medians
// (observed ÷ alone; goal: 0.99 or more for download and upload, ping within
// its spread) with a bootstrap 90 % interval of that ratio, and each side's
// spread (interquartile range over the median), and the rounds that would
// narrow the interval to ±1 % at that spread (its width shrinks as one over
// the square root of the runs). A page that shows no result within
// 30 s + 4 × measure-ms is a failed run of its side; the failed runs are
// counted per side, and the whole run's time is printed.
//
//   observer_effect [rounds] [measure-ms]   (default 20 rounds, pages measuring 3000 ms)

#include <chrono>
#include <cmath>
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
    const double ratio = observedMedian / aloneMedian;
    const double halfWidth = (high - low) / 2 / ratio;
    const double roundsForOnePercent =
        static_cast<double>(std::min(alone.size(), observed.size())) * (halfWidth / 0.01) * (halfWidth / 0.01);
    char rounds[32] = "-";  // too few runs to say
    if (std::min(alone.size(), observed.size()) >= 3)
        std::snprintf(rounds, sizeof rounds, "%.0f", std::ceil(roundsForOnePercent));
    std::printf("%-6s %-9s %4zu %4zu %12.2f %12.2f %8.3f  [%.3f, %.3f] %7.1f %% %7.1f %% %9s\n", page, figure,
                alone.size(), observed.size(), aloneMedian, observedMedian, ratio, low, high, spread(alone),
                spread(observed), rounds);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::string measureMs = argc > 2 ? argv[2] : "3000";
    if (rounds <= 0) {
        std::fprintf(stderr, "usage: observer_effect [rounds] [measure-ms]\n");
        return 2;
    }
    BenchHome home;
    LocalSites sites(measureMs);
    QApplication application(argc, argv);
    ObservedBrowser observed;
    const auto giveUp = std::chrono::seconds(30) + 4 * std::chrono::milliseconds(std::atoi(measureMs.c_str()));
    AloneBrowser alone(std::filesystem::temp_directory_path() / ("tidemark-alone-" + std::to_string(getpid())), giveUp);
    const auto began = std::chrono::steady_clock::now();

    const Page pages[] = {Page::Fast, Page::Usen, Page::Speed};
    std::map<Page, std::vector<PageResult>> aloneRuns, observedRuns;
    int failedAlone = 0, failedObserved = 0;
    for (int round = 0; round < rounds; ++round) {
        for (Page page : pages) {
            // Each side goes first in every other round, so that a drift of the machine falls on both alike.
            for (int turn = 0; turn < 2; ++turn) {
                const bool observedTurn = (turn == 0) == (round % 2 == 0);
                PageResult result = observedTurn ? observed.Run(page) : alone.Run(page, sites.Url(page));
                if (!result.ok) {
                    ++(observedTurn ? failedObserved : failedAlone);
                    continue;
                }
                (observedTurn ? observedRuns : aloneRuns)[page].push_back(result);
            }
        }
        std::fprintf(stderr, "round %d of %d done, %.0f s so far\n", round + 1, rounds,
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    }
    const double minutes = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count() / 60;

    std::printf(
        "pages measuring %s ms, %d rounds in %.1f min; failed runs (no result within %lld s): alone %d of %d, "
        "observed %d of %d\n",
        measureMs.c_str(), rounds, minutes, static_cast<long long>(giveUp.count() / 1000), failedAlone, 3 * rounds,
        failedObserved, 3 * rounds);
    std::printf("goal: ratio 0.99 or more for download and upload, with the interval's lower end 0.97 or more\n");
    std::printf("%-6s %-9s %9s %12s %12s %8s  %-16s %9s %9s %9s\n", "page", "figure", "runs a/o", "alone (med)",
                "observed", "ratio", "90% interval", "IQR alone", "IQR obs.", "rounds ±1%");
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
    return failedAlone + failedObserved == 0 ? 0 : 1;
}
