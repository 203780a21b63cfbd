#include "report/html_report.h"

#include <algorithm>
#include <map>

#include "report/html_text.h"
#include "report/number_text.h"
#include "report/svg_chart.h"

namespace tidemark::report {

namespace {
constexpr const char* kDownloadColour = "#1f77b4";
constexpr const char* kUploadColour = "#2ca02c";
constexpr const char* kFailureColour = "#d62728";
constexpr std::array<const char*, kServices.size()> kServiceColours = {"#1f77b4", "#ff7f0e", "#2ca02c"};
constexpr std::size_t kMostLinesNamed = 200;
constexpr std::size_t kMostReasons = 40;
// Bounds on text that comes from the files, so that no line can swell the page.
constexpr std::size_t kMostNameBytes = 260;
constexpr std::size_t kMostPlaceBytes = 1024;
constexpr std::size_t kMostNoteBytes = 300;
constexpr std::size_t kMostReasonBytes = 600;
constexpr std::size_t kMostExcerptBytes = 200;
constexpr std::size_t kMostNotes = 40;

constexpr const char* kStyle = R"(
body{font-family:"Segoe UI",Meiryo,"DejaVu Sans","Noto Sans","IPAPGothic",sans-serif;margin:24px auto;max-width:960px;color:#222;background:#fff}
h1{font-size:22px;margin:0 0 4px}h2{font-size:17px;margin:28px 0 8px;border-bottom:1px solid #ccc}
p.meta{color:#555;margin:0 0 8px}
table{border-collapse:collapse;font-size:13px;margin:6px 0}
th,td{border:1px solid #ccc;padding:3px 7px;text-align:right}th{background:#f2f2f2}
td.t,th.t{text-align:left}.bad{color:#b00}
svg.chart{display:block;margin:8px 0;max-width:100%;height:auto}
svg .ct{font-size:14px;font-weight:bold}svg .yl{font-size:11px;text-anchor:end;dominant-baseline:middle}
svg .xl{font-size:11px;text-anchor:middle}svg .lg,svg .unit{font-size:12px}
svg .grid{stroke:#e3e3e3}svg .frame{fill:none;stroke:#999}
ul.lines{font-size:13px}code{font-size:12px;background:#f6f6f6}
)";

std::string Cell(const std::string& text, const char* cls = nullptr) {
    return cls != nullptr ? "<td class=\"" + std::string(cls) + "\">" + text + "</td>" : "<td>" + text + "</td>";
}

std::string FigureCell(const Spread& spread, double value) {
    return Cell(spread.count == 0 ? "&#8211;" : Figure(value));
}

void Summary(std::string& html, const ReportPage& page) {
    const HistoryStats& stats = page.stats;
    const std::string below = Figure(stats.belowMbps);
    html +=
        "<h2 id=\"summary\">Summary</h2>\n<table>\n<tr><th class=\"t\">Service</th><th>Runs</th><th>Failed</th>"
        "<th>Median download</th><th>5th percentile</th><th>Below " +
        below + " Mbps</th><th>Median upload</th><th>Median ping</th><th>Median jitter</th></tr>\n";
    for (std::size_t s = 0; s < kServices.size(); ++s) {
        const ServiceSummary& summary = stats.services[s];
        if (summary.measured == 0) continue;
        html += "<tr>" + Cell(std::string(kServices[s].name), "t") + Cell(std::to_string(summary.measured)) +
                Cell(std::to_string(summary.failed), summary.failed > 0 ? "bad" : nullptr) +
                FigureCell(summary.download, summary.download.median) +
                FigureCell(summary.download, summary.download.p5) +
                Cell(Percent(summary.below, summary.download.count)) +
                FigureCell(summary.upload, summary.upload.median) + FigureCell(summary.ping, summary.ping.median) +
                FigureCell(summary.jitter, summary.jitter.median) + "</tr>\n";
    }
    html +=
        "</table>\n<p class=\"meta\">Speeds in Mbps, ping and jitter in ms. The 5th percentile is the download "
        "speed that 95% of the runs reached; &#8220;below " +
        below +
        " Mbps&#8221; is the share of measured downloads under that speed (<code>--below MBPS</code> sets it).</p>\n";
}

void OverTime(std::string& html, const ReportPage& page) {
    html += "<h2 id=\"time\">Download and upload over time</h2>\n";
    const HistoryStats& stats = page.stats;
    for (std::size_t s = 0; s < kServices.size(); ++s) {
        const ServiceColumns& service = kServices[s];
        if (stats.services[s].measured == 0) continue;
        TimeSeries down{"download", kDownloadColour, {}};
        TimeSeries up{"upload", kUploadColour, {}};
        FailureTicks failed{"failed runs", kFailureColour, {}};
        for (const HistoryRow& row : page.history.rows) {
            const Reading& reading = row.readings[service.download];
            if (!reading.tried()) continue;
            if (reading.state == Reading::State::Value) {
                down.points.emplace_back(row.time.seconds, reading.value);
            } else {
                failed.times.push_back(row.time.seconds);
            }
            if (service.upload && row.readings[*service.upload].state == Reading::State::Value)
                up.points.emplace_back(row.time.seconds, row.readings[*service.upload].value);
        }
        std::vector<TimeSeries> series{down};
        if (service.upload) series.push_back(up);
        html += TimeChart(std::string(service.name) + ": download and upload", "Mbps", stats.first, stats.last, series,
                          {failed});
    }

    std::vector<TimeSeries> delays;
    const std::array<std::pair<Column, const char*>, 3> kDelays = {
        std::pair{kUsenPing, "USEN ping"}, std::pair{kUsenJitter, "USEN jitter"}, std::pair{kSpeedPing, "SPEED ping"}};
    const std::array<const char*, 3> kDelayColours = {"#ff7f0e", "#9467bd", "#2ca02c"};
    for (std::size_t i = 0; i < kDelays.size(); ++i) {
        TimeSeries series{kDelays[i].second, kDelayColours[i], {}};
        for (const HistoryRow& row : page.history.rows)
            if (row.readings[kDelays[i].first].state == Reading::State::Value)
                series.points.emplace_back(row.time.seconds, row.readings[kDelays[i].first].value);
        if (!series.points.empty()) delays.push_back(std::move(series));
    }
    if (!delays.empty()) html += TimeChart("Ping and jitter", "ms", stats.first, stats.last, delays, {});
}

void TimeOfDay(std::string& html, const ReportPage& page) {
    std::vector<HourSeries> series;
    for (std::size_t s = 0; s < kServices.size(); ++s)
        if (page.stats.services[s].download.count > 0)
            series.push_back({std::string(kServices[s].name), kServiceColours[s], page.stats.hourly[s]});
    if (series.empty()) return;
    html += "<h2 id=\"hours\">Download by time of day</h2>\n" +
            HourChart("Download by hour of the day: median and middle half of all days", "Mbps", series);
}

void PerDay(std::string& html, const ReportPage& page) {
    const HistoryStats& stats = page.stats;
    html += "<h2 id=\"days\">Per day</h2>\n<table>\n<tr><th class=\"t\">Day</th><th>Runs</th><th>Failed</th>";
    std::vector<std::size_t> shown;
    for (std::size_t s = 0; s < kServices.size(); ++s) {
        if (stats.services[s].measured == 0) continue;
        shown.push_back(s);
        const std::string name(kServices[s].name);
        html += "<th>" + name + " median</th><th>" + name + " worst</th>";
    }
    html += "</tr>\n";
    for (auto day = stats.days.rbegin(); day != stats.days.rend(); ++day) {
        html += "<tr>" + Cell(DayText(day->day), "t") + Cell(std::to_string(day->runs)) +
                Cell(std::to_string(day->failedRuns), day->failedRuns > 0 ? "bad" : nullptr);
        for (const std::size_t s : shown)
            html += FigureCell(day->download[s], day->download[s].median) +
                    FigureCell(day->download[s], day->download[s].min);
        html += "</tr>\n";
    }
    html += "</table>\n<p class=\"meta\">Download in Mbps; newest day first.</p>\n";
}

void Reasons(std::string& html, const ReportPage& page) {
    html += "<h2 id=\"failures\">Why runs failed</h2>\n";
    std::map<std::string, std::size_t> notes;
    for (const HistoryRow& row : page.history.rows)
        if (!row.note.empty()) ++notes[row.note];
    if (notes.empty()) {
        html += "<p>No row has a note.</p>\n";
    } else {
        std::vector<std::pair<std::string, std::size_t>> sorted(notes.begin(), notes.end());
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        html += "<table>\n<tr><th class=\"t\">Note in the result file</th><th>Runs</th></tr>\n";
        for (std::size_t i = 0; i < sorted.size() && i < kMostNotes; ++i)
            html += "<tr>" + Cell(EscapeClipped(sorted[i].first, kMostNoteBytes), "t") +
                    Cell(std::to_string(sorted[i].second)) + "</tr>\n";
        html += "</table>\n";
        if (sorted.size() > kMostNotes)
            html +=
                "<p class=\"meta\">" + std::to_string(sorted.size() - kMostNotes) + " rarer notes are not shown.</p>\n";
    }
    if (!page.failures) {
        html += "<p>No run log was found (" + EscapeClipped(page.logPlace, kMostPlaceBytes) +
                "), so the reasons behind the notes are unknown.</p>\n";
        return;
    }
    struct Seen {
        std::size_t count = 0;
        LocalStamp last;
    };
    std::map<std::pair<std::string, std::string>, Seen> reasons;
    for (const LogFailure& failure : *page.failures) {
        Seen& seen = reasons[{failure.stage, failure.reason}];
        ++seen.count;
        seen.last = std::max(seen.last, failure.time);
    }
    if (reasons.empty()) {
        html += "<p>The run log (" + EscapeClipped(page.logPlace, kMostPlaceBytes) +
                ") holds no failure of runs into this file.</p>\n";
        return;
    }
    std::vector<std::pair<std::pair<std::string, std::string>, Seen>> sorted(reasons.begin(), reasons.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.second.count > b.second.count; });
    html +=
        "<table>\n<tr><th class=\"t\">Where</th><th class=\"t\">What the run log says</th><th>Times</th>"
        "<th class=\"t\">Last</th></tr>\n";
    for (std::size_t i = 0; i < sorted.size() && i < kMostReasons; ++i) {
        const auto& [key, seen] = sorted[i];
        html += "<tr>" + Cell(EscapeClipped(key.first, kMostReasonBytes), "t") +
                Cell(EscapeClipped(key.second, kMostReasonBytes), "t") + Cell(std::to_string(seen.count)) +
                Cell(StampText(seen.last), "t") + "</tr>\n";
    }
    html += "</table>\n";
    if (sorted.size() > kMostReasons)
        html +=
            "<p class=\"meta\">" + std::to_string(sorted.size() - kMostReasons) + " rarer reasons are not shown.</p>\n";
    html += "<p class=\"meta\">From the run log " + EscapeClipped(page.logPlace, kMostPlaceBytes) + ".</p>\n";
}

void Unreadable(std::string& html, const ReportPage& page) {
    const std::vector<UnreadableLine>& lines = page.history.unreadable;
    html += "<h2 id=\"unreadable\">Lines not read</h2>\n";
    if (lines.empty()) {
        html += "<p>Every line of the file was read.</p>\n";
        return;
    }
    html += "<p class=\"bad\">" + std::to_string(lines.size()) + (lines.size() == 1 ? " line" : " lines") +
            " could not be read and are left out of every figure above:</p>\n<ul class=\"lines\">\n";
    for (std::size_t i = 0; i < lines.size() && i < kMostLinesNamed; ++i)
        html += "<li>line " + std::to_string(lines[i].line) + ": " + EscapeClipped(lines[i].reason, kMostReasonBytes) +
                " &#8212; <code>" + EscapeClipped(lines[i].text, kMostExcerptBytes) + "</code></li>\n";
    html += "</ul>\n";
    if (lines.size() > kMostLinesNamed)
        html += "<p class=\"meta\">and " + std::to_string(lines.size() - kMostLinesNamed) + " more.</p>\n";
}
}  // namespace

std::string RenderReport(const ReportPage& page) {
    const HistoryStats& stats = page.stats;
    std::string html;
    html.reserve(256 * 1024);
    html +=
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n"
        "<meta name=\"generator\" content=\"" +
        std::string(kGenerator) +
        "\"/>\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n<title>Tidemark report: " +
        EscapeClipped(page.sourceName, kMostNameBytes) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
    html += "<h1>Tidemark report: " + EscapeClipped(page.sourceName, kMostNameBytes) + "</h1>\n<p class=\"meta\">";
    if (stats.runs == 0) {
        html += "No measurement could be read from this file.";
    } else {
        html += std::to_string(stats.runs) + " runs from " + StampText(stats.first) + " to " + StampText(stats.last) +
                ", " + std::to_string(stats.failedRuns) + " of them with a failure.";
    }
    html += " Made " + EscapeClipped(page.generatedAt, kMostNameBytes) + ".";
    if (page.history.legacyText) html += " The file is not UTF-8 and was read in the system's legacy code page.";
    html += "</p>\n";
    if (stats.runs > 0) {
        Summary(html, page);
        OverTime(html, page);
        TimeOfDay(html, page);
        PerDay(html, page);
    }
    Reasons(html, page);
    Unreadable(html, page);
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace tidemark::report
