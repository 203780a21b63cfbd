// Reading and rendering a year of half-hourly rows (17,520) of all three
// services: the time from the file's bytes to the finished page, and the
// page's size. Usage: report_year [repeats] [--html FILE]

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "report/csv_reader.h"
#include "report/history_stats.h"
#include "report/html_report.h"
#include "report/log_reasons.h"
#include "run/result_row.h"

namespace {

using namespace tidemark::report;
using tidemark::CivilFromDays;
using tidemark::DaysFromCivil;

// A line that is slower in the evening and fails now and then, like a real one.
std::string YearOfRows() {
    std::string file = tidemark::ResultFileHeader();
    const std::int64_t firstDay = DaysFromCivil(2025, 1, 1);
    unsigned seed = 12345;
    auto noise = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>((seed >> 16) % 1000) / 1000.0;
    };
    for (int slot = 0; slot < 365 * 48; ++slot) {
        int y = 0, m = 0, d = 0;
        CivilFromDays(firstDay + slot / 48, y, m, d);
        const int hour = slot % 48 / 2;
        const double evening = hour >= 19 && hour <= 23 ? 0.45 : 1.0;
        char row[256];
        if (slot % 61 == 0) {
            std::snprintf(
                row, sizeof row,
                " ,%d/%02d/%02d %d:%02d:07,Test timed out.,%.0fMbps,Error,Error,Error,Error,Error,Error,Error\r\n", y,
                m, d, hour, slot % 2 * 30, 180 * evening + 40 * noise());
        } else {
            std::snprintf(
                row, sizeof row,
                " ,%d/%02d/%02d %d:%02d:07,,%.0fMbps,%.2fMbps,%.2fMbps,%.1fms,%.1fms,%.2fMbps,%.2fMbps,%.0fms\r\n", y,
                m, d, hour, slot % 2 * 30, 180 * evening + 40 * noise(), 170 * evening + 30 * noise(),
                60 + 20 * noise(), 10 + 8 * noise(), 1 + 3 * noise(), 175 * evening + 35 * noise(), 58 + 25 * noise(),
                9 + 10 * noise());
        }
        file += row;
    }
    return file;
}

}  // namespace

int main(int argc, char* argv[]) {
    int repeats = 5;
    std::string htmlPath;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--html" && i + 1 < argc) {
            htmlPath = argv[++i];
        } else {
            repeats = std::max(1, std::atoi(argv[i]));
        }
    }
    const std::string csv = YearOfRows();
    std::vector<double> times;
    std::string html;
    std::size_t rows = 0;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const History history = ReadHistory(csv);
        const HistoryStats stats = Summarise(history, 100);
        html = RenderReport({"Tidemark.csv", "2026-01-01 00:00:00", "~/.local/state/tidemark/tidemark.log", history,
                             stats, std::vector<LogFailure>{}});
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        rows = history.rows.size();
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "report_year: %zu rows (%.1f MB of CSV) read and rendered: median %.0f ms, best %.0f ms, worst %.0f ms "
        "over %d runs; HTML %.2f MB (%zu bytes)\n",
        rows, static_cast<double>(csv.size()) / 1e6, times[times.size() / 2], times.front(), times.back(), repeats,
        static_cast<double>(html.size()) / 1e6, html.size());
    if (!htmlPath.empty()) std::ofstream(htmlPath, std::ios::binary) << html;
    return 0;
}
