// Reading and rendering a year of half-hourly rows (17,520) of all three
// services, and ten years of hourly rows (87,600): the time from the file's
// bytes to the finished page, and the page's size.
// Usage: report_year [repeats] [--html FILE]

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

// A line that is slower in the evening and fails now and then, like a real one:
// `years` years of rows, `perHour` an hour.
std::string Rows(int years, int perHour) {
    std::string file = tidemark::ResultFileHeader();
    const std::int64_t firstDay = DaysFromCivil(2025, 1, 1);
    unsigned seed = 12345;
    auto noise = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>((seed >> 16) % 1000) / 1000.0;
    };
    const int perDay = 24 * perHour;
    const int days = static_cast<int>(DaysFromCivil(2025 + years, 1, 1) - firstDay);
    for (int slot = 0; slot < days * perDay; ++slot) {
        int y = 0, m = 0, d = 0;
        CivilFromDays(firstDay + slot / perDay, y, m, d);
        const int hour = slot % perDay / perHour;
        const int minute = slot % perHour * (60 / perHour);
        const double evening = hour >= 19 && hour <= 23 ? 0.45 : 1.0;
        char row[256];
        if (slot % 61 == 0) {
            std::snprintf(
                row, sizeof row,
                " ,%d/%02d/%02d %d:%02d:07,Test timed out.,%.0fMbps,Error,Error,Error,Error,Error,Error,Error\r\n", y,
                m, d, hour, minute, 180 * evening + 40 * noise());
        } else {
            std::snprintf(
                row, sizeof row,
                " ,%d/%02d/%02d %d:%02d:07,,%.0fMbps,%.2fMbps,%.2fMbps,%.1fms,%.1fms,%.2fMbps,%.2fMbps,%.0fms\r\n", y,
                m, d, hour, minute, 180 * evening + 40 * noise(), 170 * evening + 30 * noise(), 60 + 20 * noise(),
                10 + 8 * noise(), 1 + 3 * noise(), 175 * evening + 35 * noise(), 58 + 25 * noise(), 9 + 10 * noise());
        }
        file += row;
    }
    return file;
}

struct Measured {
    std::size_t rows = 0;
    double csvMegabytes = 0;
    std::vector<double> times;
    std::string html;
};

Measured Measure(const std::string& csv, int repeats) {
    Measured measured;
    measured.csvMegabytes = static_cast<double>(csv.size()) / 1e6;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const History history = ReadHistory(csv);
        const HistoryStats stats = Summarise(history, 100);
        measured.html = RenderReport({"Tidemark.csv", "2026-01-01 00:00:00", "~/.local/state/tidemark/tidemark.log",
                                      history, stats, std::vector<LogFailure>{}});
        measured.times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        measured.rows = history.rows.size();
    }
    std::sort(measured.times.begin(), measured.times.end());
    return measured;
}

void Print(const char* what, const Measured& m, int repeats) {
    std::printf(
        "report_year: %s: %zu rows (%.1f MB of CSV) read and rendered: median %.0f ms, best %.0f ms, worst %.0f ms "
        "over %d runs; HTML %.2f MB (%zu bytes)\n",
        what, m.rows, m.csvMegabytes, m.times[m.times.size() / 2], m.times.front(), m.times.back(), repeats,
        static_cast<double>(m.html.size()) / 1e6, m.html.size());
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
    const Measured year = Measure(Rows(1, 2), repeats);
    Print("a year, half-hourly", year, repeats);
    const Measured decade = Measure(Rows(10, 1), std::max(1, repeats / 2));
    Print("ten years, hourly", decade, std::max(1, repeats / 2));
    if (!htmlPath.empty()) std::ofstream(htmlPath, std::ios::binary) << year.html;
    return 0;
}
