#include "fuzz_checks.h"

#include <expat.h>

#include <cmath>
#include <memory>
#include <set>

#include "report/csv_reader.h"
#include "report/figure_text.h"
#include "report/history_stats.h"
#include "report/html_report.h"
#include "report/log_reasons.h"

namespace tidemark::fuzz {

namespace {
using report::IsUtf8;

constexpr std::size_t kMostNoteBytes = 303;     // 300 and an ellipsis
constexpr std::size_t kMostExcerptBytes = 123;  // 120 and an ellipsis
constexpr std::size_t kMostReasonBytes = 1000;
constexpr std::size_t kMostLogTextBytes = 1003;

std::string CheckText(std::string_view what, std::string_view text, std::size_t most) {
    if (!IsUtf8(text)) return std::string(what) + " is not UTF-8";
    if (text.size() > most) return std::string(what) + " has " + std::to_string(text.size()) + " bytes";
    return {};
}

const std::set<std::string, std::less<>> kElements = {
    "html", "head", "meta", "title", "style", "body", "h1",   "h2",   "p",        "table",   "tr",   "th",
    "td",   "ul",   "li",   "code",  "svg",   "text", "line", "rect", "polyline", "polygon", "path", "circle"};

struct PageCheck {
    std::string problem;
};

void OnStart(void* data, const XML_Char* name, const XML_Char**) {
    auto* check = static_cast<PageCheck*>(data);
    if (check->problem.empty() && !kElements.contains(std::string_view(name)))
        check->problem = std::string("an element outside the list: ") + name;
}

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
}  // namespace

std::string CheckCsvReader(std::string_view bytes) {
    const report::History history = report::ReadHistory(bytes);
    for (const report::HistoryRow& row : history.rows) {
        if (std::string problem = CheckText("a note", row.note, kMostNoteBytes); !problem.empty()) return problem;
        for (std::size_t column = 0; column < report::kColumnCount; ++column) {
            const report::Reading& reading = row.readings[column];
            const double most = report::KindOf(static_cast<report::Column>(column)) == report::FigureKind::Speed
                                    ? report::kMostMbps
                                    : report::kMostMs;
            if (!std::isfinite(reading.value) || reading.value < 0 || reading.value > most)
                return "a figure out of bounds: " + std::to_string(reading.value);
        }
    }
    for (const report::UnreadableLine& line : history.unreadable) {
        if (std::string problem = CheckText("a reason", line.reason, kMostReasonBytes); !problem.empty())
            return problem;
        if (std::string problem = CheckText("an excerpt", line.text, kMostExcerptBytes); !problem.empty())
            return problem;
    }
    report::Summarise(history, 10);
    return {};
}

std::string CheckRunLog(std::string_view bytes) {
    const auto failures = report::ReadLogFailures(bytes, "C:\\Users\\u\\Documents\\Tidemark.csv",
                                                  [](const std::string& path) { return path; });
    for (const report::LogFailure& failure : failures) {
        for (const std::string* text : {&failure.stage, &failure.reason})
            if (std::string problem = CheckText("a log text", *text, kMostLogTextBytes); !problem.empty())
                return problem;
    }
    return {};
}

std::string CheckReportPage(std::string_view bytes) {
    const report::History history = report::ReadHistory(bytes);
    const report::HistoryStats stats = report::Summarise(history, 10);
    const std::string_view name = bytes.substr(0, std::min(bytes.find('\n'), std::size_t{200}));
    const std::optional<std::vector<report::LogFailure>> failures =
        report::ReadLogFailures(bytes, std::string(name), [](const std::string& path) { return path; });
    const report::ReportPage page{std::string(name), "2026-01-05 09:03:07", std::string(name), history, stats,
                                  failures};
    const std::string html = report::RenderReport(page);

    PageCheck check;
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate("UTF-8"));
    XML_SetUserData(parser.get(), &check);
    XML_SetStartElementHandler(parser.get(), OnStart);
    if (XML_Parse(parser.get(), html.data(), static_cast<int>(html.size()), XML_TRUE) != XML_STATUS_OK)
        return std::string("the page is not XML: ") + XML_ErrorString(XML_GetErrorCode(parser.get())) + " at line " +
               std::to_string(XML_GetCurrentLineNumber(parser.get()));
    return check.problem;
}

}  // namespace tidemark::fuzz
