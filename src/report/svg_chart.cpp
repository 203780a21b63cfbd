#include "report/svg_chart.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "report/html_text.h"
#include "report/number_text.h"

namespace tidemark::report {

namespace {
constexpr int kWidth = 920;
constexpr int kHeight = 270;
constexpr int kLeft = 58;
constexpr int kRight = 14;
constexpr int kTop = 34;
constexpr int kBottom = 40;
constexpr int kPlotWidth = kWidth - kLeft - kRight;
constexpr int kPlotHeight = kHeight - kTop - kBottom;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kYear = 365 * kDay;
// Bounds on the grid lines whatever the figures and times: no loop runs longer than these.
constexpr int kMostValueLines = 12;
constexpr int kMostTimeLines = 16;
constexpr int kTimeLinesWanted = 9;

std::string Number(double value) { return Coordinate(value); }

// 1, 2, 2.5 or 5 times a power of ten, at least `rough`.
double NiceStep(double rough) {
    if (rough <= 0) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (factor * power >= rough) return factor * power;
    return 10 * power;
}

struct Scale {
    double xMin, xMax, yMax;
    double X(double x) const { return kLeft + (xMax > xMin ? (x - xMin) / (xMax - xMin) : 0.5) * kPlotWidth; }
    double Y(double y) const { return kTop + kPlotHeight - std::min(y, yMax) / yMax * kPlotHeight; }
};

std::string Open(const std::string& title) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" viewBox=\"0 0 " + std::to_string(kWidth) + " " +
           std::to_string(kHeight) + "\" width=\"" + std::to_string(kWidth) + "\" height=\"" + std::to_string(kHeight) +
           "\" role=\"img\" aria-label=\"" + Escape(title) + "\">\n<title>" + Escape(title) + "</title>\n<text x=\"" +
           std::to_string(kLeft) + "\" y=\"18\" class=\"ct\">" + Escape(title) + "</text>\n";
}

// The y axis: grid lines and figures; answers the scale's top.
double YAxis(std::string& svg, double maxValue, const std::string& unit) {
    if (!std::isfinite(maxValue)) maxValue = 1;
    const double step = NiceStep(std::max(maxValue, 1e-9) / 5);
    const double top = std::max(step, std::ceil(maxValue / step) * step);
    const Scale scale{0, 1, top};
    for (int line = 0; line < kMostValueLines; ++line) {
        const double y = line * step;
        if (y > top + step / 2) break;
        const std::string at = Number(scale.Y(y));
        svg += "<line class=\"grid\" x1=\"" + std::to_string(kLeft) + "\" x2=\"" + std::to_string(kLeft + kPlotWidth) +
               "\" y1=\"" + at + "\" y2=\"" + at + "\"/>\n<text class=\"yl\" x=\"" + std::to_string(kLeft - 6) +
               "\" y=\"" + at + "\">" + Figure(y) + "</text>\n";
    }
    svg += "<text class=\"unit\" x=\"4\" y=\"" + std::to_string(kTop - 8) + "\">" + Escape(unit) + "</text>\n";
    return top;
}

void Legend(std::string& svg, const std::vector<std::pair<std::string, std::string>>& entries) {
    int x = kWidth - kRight;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const int width = 30 + 7 * static_cast<int>(it->first.size());
        x -= width;
        svg += "<rect x=\"" + std::to_string(x) + "\" y=\"10\" width=\"12\" height=\"10\" fill=\"" + it->second +
               "\"/><text class=\"lg\" x=\"" + std::to_string(x + 16) + "\" y=\"19\">" + Escape(it->first) +
               "</text>\n";
    }
}

void TimeAxis(std::string& svg, const Scale& scale) {
    const double span = scale.xMax - scale.xMin;
    static constexpr std::int64_t kSteps[] = {kHour,    3 * kHour, 6 * kHour, 12 * kHour, kDay,      2 * kDay,
                                              7 * kDay, 14 * kDay, 28 * kDay, 56 * kDay,  91 * kDay, 182 * kDay};
    // Beyond half-years, whole years; the data's span never sets the number of lines.
    std::int64_t step =
        std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(span / kTimeLinesWanted / kYear))) * kYear;
    for (const std::int64_t candidate : kSteps)
        if (span / static_cast<double>(candidate) <= kTimeLinesWanted) {
            step = candidate;
            break;
        }
    const auto first = static_cast<std::int64_t>(std::ceil(scale.xMin / static_cast<double>(step))) * step;
    std::int64_t t = first;
    for (int line = 0; line < kMostTimeLines && static_cast<double>(t) <= scale.xMax; ++line, t += step) {
        const std::string x = Number(scale.X(static_cast<double>(t)));
        const LocalStamp stamp{t};
        const std::string label =
            step < kDay ? StampText(stamp).substr(5) : DayText(stamp.Day()).substr(span > 300.0 * kDay ? 0 : 5);
        svg += "<line class=\"grid\" x1=\"" + x + "\" x2=\"" + x + "\" y1=\"" + std::to_string(kTop) + "\" y2=\"" +
               std::to_string(kTop + kPlotHeight) + "\"/>\n<text class=\"xl\" x=\"" + x + "\" y=\"" +
               std::to_string(kTop + kPlotHeight + 16) + "\">" + label + "</text>\n";
    }
}

void Frame(std::string& svg) {
    svg += "<rect class=\"frame\" x=\"" + std::to_string(kLeft) + "\" y=\"" + std::to_string(kTop) + "\" width=\"" +
           std::to_string(kPlotWidth) + "\" height=\"" + std::to_string(kPlotHeight) + "\"/>\n";
}

void Series(std::string& svg, const Scale& scale, const TimeSeries& series) {
    if (series.points.empty()) return;
    std::vector<std::pair<std::int64_t, double>> points = series.points;
    std::sort(points.begin(), points.end());
    std::string line;
    if (points.size() <= static_cast<std::size_t>(kPlotWidth)) {
        for (const auto& [t, v] : points)
            line += Number(scale.X(static_cast<double>(t))) + "," + Number(scale.Y(v)) + " ";
    } else {
        // One column per pixel: lowest to highest as a band, the median as the line.
        std::vector<std::vector<double>> columns(static_cast<std::size_t>(kPlotWidth) + 1);
        for (const auto& [t, v] : points) {
            const auto column = static_cast<std::size_t>(std::lround(scale.X(static_cast<double>(t)) - kLeft));
            columns[std::min(column, columns.size() - 1)].push_back(v);
        }
        std::string upper, lower;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            std::vector<double>& values = columns[c];
            if (values.empty()) continue;
            std::sort(values.begin(), values.end());
            const std::string x = std::to_string(kLeft + static_cast<int>(c));
            upper += x + "," + Number(scale.Y(values.back())) + " ";
            lower = x + "," + Number(scale.Y(values.front())) + " " + lower;
            line += x + "," + Number(scale.Y(Percentile(values, 50))) + " ";
        }
        svg += "<polygon fill=\"" + series.colour + "\" fill-opacity=\"0.22\" points=\"" + upper + lower + "\"/>\n";
    }
    line.pop_back();
    svg += "<polyline fill=\"none\" stroke=\"" + series.colour + "\" stroke-width=\"1.2\" points=\"" + line +
           "\"><title>" + Escape(series.label) + "</title></polyline>\n";
}

void Ticks(std::string& svg, const Scale& scale, const FailureTicks& ticks, int row) {
    if (ticks.times.empty()) return;
    std::set<long> columns;
    for (const std::int64_t t : ticks.times) columns.insert(std::lround(scale.X(static_cast<double>(t))));
    const int y = kTop + kPlotHeight + 20 + 5 * row;
    std::string path;
    for (const long x : columns) path += "M" + std::to_string(x) + " " + std::to_string(y) + "v4";
    svg += "<path stroke=\"" + ticks.colour + "\" stroke-width=\"1.5\" d=\"" + path + "\"><title>" +
           Escape(ticks.label) + ": " + std::to_string(ticks.times.size()) + "</title></path>\n";
}
}  // namespace

std::string TimeChart(const std::string& title, const std::string& unit, LocalStamp first, LocalStamp last,
                      const std::vector<TimeSeries>& series, const std::vector<FailureTicks>& failures) {
    std::string svg = Open(title);
    double maxValue = 0;
    for (const TimeSeries& s : series)
        for (const auto& point : s.points) maxValue = std::max(maxValue, point.second);
    const double top = YAxis(svg, maxValue, unit);
    const double xMin = static_cast<double>(first.seconds);
    const double xMax = static_cast<double>(std::max(last.seconds, first.seconds + kHour));
    const Scale scale{xMin, xMax, top};
    TimeAxis(svg, scale);
    Frame(svg);
    std::vector<std::pair<std::string, std::string>> legend;
    for (const TimeSeries& s : series) {
        Series(svg, scale, s);
        legend.emplace_back(s.label, s.colour);
    }
    int row = 0;
    for (const FailureTicks& ticks : failures) {
        if (ticks.times.empty()) continue;
        Ticks(svg, scale, ticks, row++);
        legend.emplace_back(ticks.label, ticks.colour);
    }
    Legend(svg, legend);
    return svg + "</svg>\n";
}

std::string HourChart(const std::string& title, const std::string& unit, const std::vector<HourSeries>& series) {
    std::string svg = Open(title);
    double maxValue = 0;
    for (const HourSeries& s : series)
        for (const Spread& hour : s.hours)
            if (hour.count > 0) maxValue = std::max(maxValue, hour.p75);
    const double top = YAxis(svg, maxValue, unit);
    const Scale scale{-0.5, 23.5, top};
    for (int hour = 0; hour < 24; hour += 3) {
        const std::string x = Number(scale.X(hour));
        svg += "<text class=\"xl\" x=\"" + x + "\" y=\"" + std::to_string(kTop + kPlotHeight + 16) + "\">" +
               std::to_string(hour) + ":00</text>\n";
    }
    Frame(svg);
    std::vector<std::pair<std::string, std::string>> legend;
    for (const HourSeries& s : series) {
        std::string upper, lower, line, dots;
        for (int hour = 0; hour < 24; ++hour) {
            const Spread& spread = s.hours[static_cast<std::size_t>(hour)];
            if (spread.count == 0) continue;
            const std::string x = Number(scale.X(hour));
            upper += x + "," + Number(scale.Y(spread.p75)) + " ";
            lower = x + "," + Number(scale.Y(spread.p25)) + " " + lower;
            line += x + "," + Number(scale.Y(spread.median)) + " ";
            dots += "<circle cx=\"" + x + "\" cy=\"" + Number(scale.Y(spread.median)) + "\" r=\"2.5\" fill=\"" +
                    s.colour + "\"><title>" + Escape(s.label) + " " + std::to_string(hour) + ":00 median " +
                    Figure(spread.median) + " " + Escape(unit) + " (" + std::to_string(spread.count) +
                    " runs)</title></circle>\n";
        }
        if (line.empty()) continue;
        line.pop_back();
        svg += "<polygon fill=\"" + s.colour + "\" fill-opacity=\"0.18\" points=\"" + upper + lower + "\"/>\n";
        svg += "<polyline fill=\"none\" stroke=\"" + s.colour + "\" stroke-width=\"1.6\" points=\"" + line + "\"/>\n" +
               dots;
        legend.emplace_back(s.label, s.colour);
    }
    Legend(svg, legend);
    return svg + "</svg>\n";
}

}  // namespace tidemark::report
