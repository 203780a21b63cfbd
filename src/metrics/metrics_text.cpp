#include "metrics/metrics_text.h"

#include <charconv>
#include <cmath>

#include "report/figure_text.h"

namespace tidemark::metrics {

namespace {

using Figure = std::optional<double> ServiceFigures::*;

struct FigureMetric {
    std::string_view name;
    std::string_view help;
    Figure figure;
};

constexpr std::array<FigureMetric, 5> kFigureMetrics = {{
    {"tidemark_download_bytes_per_second", "Download speed the service's page measured.",
     &ServiceFigures::downloadBytesPerSecond},
    {"tidemark_upload_bytes_per_second", "Upload speed the service's page measured.",
     &ServiceFigures::uploadBytesPerSecond},
    {"tidemark_ping_seconds", "Ping (latency) the service's page measured.", &ServiceFigures::pingSeconds},
    {"tidemark_jitter_seconds", "Jitter the service's page measured.", &ServiceFigures::jitterSeconds},
    {"tidemark_measurement_timestamp_seconds", "When the run that read the service's figures ended.",
     &ServiceFigures::readAt},
}};

constexpr std::string_view kLastRunAt = "tidemark_last_run_timestamp_seconds";
constexpr std::string_view kLastRunSuccess = "tidemark_last_run_success";
constexpr std::string_view kRuns = "tidemark_runs_total";

// Fifteen significant digits: all a page shows, and the unit conversion's last-bit error gone.
std::string Number(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    return std::string(text, result.ptr);
}

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The value of `label` in a label set written as {a="x",b="y"}; our values hold no quotes.
std::string_view LabelValue(std::string_view labels, std::string_view label) {
    const std::string key = std::string(label) + "=\"";
    std::size_t at = labels.find(key);
    if (at == std::string_view::npos) return {};
    at += key.size();
    const std::size_t end = labels.find('"', at);
    return end == std::string_view::npos ? std::string_view() : labels.substr(at, end - at);
}

template <std::size_t N>
std::optional<std::size_t> IndexOf(const std::array<std::string_view, N>& labels, std::string_view value) {
    for (std::size_t i = 0; i < N; ++i)
        if (labels[i] == value) return i;
    return std::nullopt;
}

void Header(std::string& text, std::string_view name, std::string_view help, std::string_view type) {
    text += "# HELP " + std::string(name) + " " + std::string(help) + "\n";
    text += "# TYPE " + std::string(name) + " " + std::string(type) + "\n";
}

std::optional<double> Reading(const ResultPair& pair, report::FigureKind kind, double toBase) {
    const auto reading = report::ReadFigure(pair.figure + pair.unit, kind).reading;
    if (!reading || reading->state != report::Reading::State::Value) return std::nullopt;
    return reading->value * toBase;
}

constexpr double kMbpsToBytes = 1e6 / 8;
constexpr double kMsToSeconds = 1e-3;

ServiceFigures Figures(const ResultPairs& pairs, std::optional<std::size_t> down, std::optional<std::size_t> up,
                       std::optional<std::size_t> ping, std::optional<std::size_t> jitter, double at) {
    using report::FigureKind;
    ServiceFigures figures;
    if (down) figures.downloadBytesPerSecond = Reading(pairs[*down], FigureKind::Speed, kMbpsToBytes);
    if (up) figures.uploadBytesPerSecond = Reading(pairs[*up], FigureKind::Speed, kMbpsToBytes);
    if (ping) figures.pingSeconds = Reading(pairs[*ping], FigureKind::Time, kMsToSeconds);
    if (jitter) figures.jitterSeconds = Reading(pairs[*jitter], FigureKind::Time, kMsToSeconds);
    figures.readAt = at;
    return figures;
}

}  // namespace

MetricsState ParseMetrics(std::string_view text) {
    MetricsState state;
    while (!text.empty()) {
        const std::size_t lineEnd = text.find('\n');
        std::string_view line = text.substr(0, lineEnd);
        text = lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t space = line.rfind(' ');
        if (space == std::string_view::npos) continue;
        const auto value = ParseNumber(line.substr(space + 1));
        if (!value) continue;
        const std::string_view series = line.substr(0, space);
        const std::size_t brace = series.find('{');
        const std::string_view name = series.substr(0, brace);
        const std::string_view labels = brace == std::string_view::npos ? std::string_view() : series.substr(brace);

        if (name == kLastRunAt) {
            state.lastRunAt = *value;
        } else if (name == kLastRunSuccess) {
            state.lastRunSucceeded = *value == 1;
        } else if (name == kRuns) {
            if (const auto result = IndexOf(kResultLabels, LabelValue(labels, "result"))) {
                if (*value >= 0) state.runs[*result] = *value;
            }
        } else if (const auto service = IndexOf(kServiceLabels, LabelValue(labels, "service"))) {
            for (const FigureMetric& metric : kFigureMetrics)
                if (metric.name == name) state.services[*service].*metric.figure = *value;
        }
    }
    return state;
}

std::string FormatMetrics(const MetricsState& state) {
    std::string text;
    for (const FigureMetric& metric : kFigureMetrics) {
        bool any = false;
        for (const ServiceFigures& figures : state.services) any = any || (figures.*metric.figure).has_value();
        if (!any) continue;
        Header(text, metric.name, metric.help, "gauge");
        for (std::size_t i = 0; i < state.services.size(); ++i) {
            const auto& value = state.services[i].*metric.figure;
            if (!value) continue;
            text += std::string(metric.name) + "{service=\"" + std::string(kServiceLabels[i]) + "\"} " +
                    Number(*value) + "\n";
        }
    }
    if (state.lastRunAt) {
        Header(text, kLastRunAt, "When the last measurement run ended.", "gauge");
        text += std::string(kLastRunAt) + " " + Number(*state.lastRunAt) + "\n";
        Header(text, kLastRunSuccess, "1 when the last run ended normally and wrote its row, else 0.", "gauge");
        text += std::string(kLastRunSuccess) + " " + (state.lastRunSucceeded ? "1" : "0") + "\n";
    }
    Header(text, kRuns, "Measurement runs by how they ended.", "counter");
    for (std::size_t i = 0; i < state.runs.size(); ++i)
        text +=
            std::string(kRuns) + "{result=\"" + std::string(kResultLabels[i]) + "\"} " + Number(state.runs[i]) + "\n";
    return text;
}

Result ResultOf(const RunOutcome& outcome) {
    switch (outcome.ending) {
        case RunEnding::AllDone: return outcome.rowWritten ? kSuccess : kError;
        case RunEnding::TimedOut: return kTimeout;
        case RunEnding::FileInUse: return kFileInUse;
        case RunEnding::Failed: return kError;
    }
    return kError;
}

void RecordRun(MetricsState& state, const RunOutcome& outcome, double epochSeconds) {
    const Result result = ResultOf(outcome);
    state.runs[result] += 1;
    state.lastRunAt = epochSeconds;
    state.lastRunSucceeded = result == kSuccess;
    // Figures that never reached the result file are no measurement of record.
    if (!outcome.rowWritten) return;
    const ResultPairs& pairs = outcome.pairs;
    if (outcome.fastRead) state.services[kFast] = Figures(pairs, 0, {}, {}, {}, epochSeconds);
    if (outcome.usenRead) state.services[kUsen] = Figures(pairs, 1, 2, 3, 4, epochSeconds);
    if (outcome.speedRead) state.services[kSpeed] = Figures(pairs, 5, 6, 7, {}, epochSeconds);
}

}  // namespace tidemark::metrics
