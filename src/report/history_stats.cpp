#include "report/history_stats.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tidemark::report {

namespace {
std::vector<double> Values(const History& history, Column column) {
    std::vector<double> values;
    for (const HistoryRow& row : history.rows)
        if (row.readings[column].state == Reading::State::Value) values.push_back(row.readings[column].value);
    return values;
}

Spread SpreadOfColumn(const History& history, std::optional<Column> column) {
    return column ? SpreadOf(Values(history, *column)) : Spread{};
}
}  // namespace

double Percentile(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0.0;
    const double rank = p / 100.0 * static_cast<double>(sorted.size() - 1);
    const auto lower = static_cast<std::size_t>(std::floor(rank));
    const std::size_t upper = std::min(lower + 1, sorted.size() - 1);
    const double fraction = rank - static_cast<double>(lower);
    return sorted[lower] + (sorted[upper] - sorted[lower]) * fraction;
}

Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    return {values.size(),          values.front(),         Percentile(values, 5), Percentile(values, 25),
            Percentile(values, 50), Percentile(values, 75), values.back()};
}

HistoryStats Summarise(const History& history, double belowMbps) {
    HistoryStats stats;
    stats.belowMbps = belowMbps;
    stats.runs = history.rows.size();
    if (!history.rows.empty()) {
        stats.first = stats.last = history.rows.front().time;
        for (const HistoryRow& row : history.rows) {
            stats.first = std::min(stats.first, row.time);
            stats.last = std::max(stats.last, row.time);
        }
    }

    std::array<std::array<std::vector<double>, 24>, kServices.size()> byHour;
    struct DayValues {
        std::size_t runs = 0, failed = 0;
        std::array<std::vector<double>, kServices.size()> download;
    };
    std::map<std::int64_t, DayValues> byDay;

    for (const HistoryRow& row : history.rows) {
        const bool failed = row.failed();
        if (failed) ++stats.failedRuns;
        DayValues& day = byDay[row.time.Day()];
        ++day.runs;
        if (failed) ++day.failed;
        for (std::size_t s = 0; s < kServices.size(); ++s) {
            const Reading& down = row.readings[kServices[s].download];
            ServiceSummary& summary = stats.services[s];
            if (!down.tried()) continue;
            ++summary.measured;
            if (down.state != Reading::State::Value) {
                ++summary.failed;
                continue;
            }
            if (down.value < belowMbps) ++summary.below;
            byHour[s][static_cast<std::size_t>(row.time.Hour())].push_back(down.value);
            day.download[s].push_back(down.value);
        }
    }

    for (std::size_t s = 0; s < kServices.size(); ++s) {
        const ServiceColumns& service = kServices[s];
        ServiceSummary& summary = stats.services[s];
        summary.download = SpreadOfColumn(history, service.download);
        summary.upload = SpreadOfColumn(history, service.upload);
        summary.ping = SpreadOfColumn(history, service.ping);
        summary.jitter = SpreadOfColumn(history, service.jitter);
        for (std::size_t hour = 0; hour < 24; ++hour) stats.hourly[s][hour] = SpreadOf(std::move(byHour[s][hour]));
    }
    stats.days.reserve(byDay.size());
    for (auto& [dayNumber, values] : byDay) {
        DayLine line{dayNumber, values.runs, values.failed, {}};
        for (std::size_t s = 0; s < kServices.size(); ++s) line.download[s] = SpreadOf(std::move(values.download[s]));
        stats.days.push_back(std::move(line));
    }
    return stats;
}

}  // namespace tidemark::report
