#include "report/csv_reader.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/text.h"

#include "report/csv_records.h"
#include "report/figure_text.h"
#include "report/time_text.h"

namespace tidemark::report {

namespace {
constexpr std::size_t kFieldCount = 11;
constexpr std::size_t kFirstFigureField = 3;
constexpr std::size_t kExcerptBytes = 120;
constexpr std::size_t kFieldExcerptBytes = 40;
constexpr std::size_t kMostNoteBytes = 300;
constexpr std::string_view kHeaderStart1 = " , , ,FAST,";
constexpr std::string_view kHeaderStart2 = " ,Time,Note,";

// A row whose figures were read; its time waits for the whole column.
struct Pending {
    int line;
    std::string text;
    std::string time;
    std::string note;
    std::array<Reading, kColumnCount> readings;
};

std::string Quoted(std::string_view text) { return "\"" + ClippedUtf8(text, kFieldExcerptBytes) + "\""; }
}  // namespace

History ReadHistory(std::string_view bytes, const ReadOptions& options) {
    History history;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    std::vector<Pending> pending;
    for (const CsvRecord& record : SplitCsvRecords(bytes)) {
        if (record.text.find_first_not_of(" \t,\r\n") == std::string_view::npos) continue;
        if (record.text.starts_with(kHeaderStart1) || record.text.starts_with(kHeaderStart2)) continue;
        std::string text = DecodeLine(record.text, options.decodeLegacy, history.legacyText);
        std::vector<std::string> fields = SplitCsvFields(text);
        // A trailing comma or two that a spreadsheet added is no damage.
        while (fields.size() > kFieldCount && fields.back().find_first_not_of(' ') == std::string::npos)
            fields.pop_back();
        if (fields.size() != kFieldCount) {
            history.unreadable.push_back(
                {record.line, std::to_string(fields.size()) + " fields where a row has " + std::to_string(kFieldCount),
                 ClippedUtf8(text, kExcerptBytes)});
            continue;
        }
        Pending row{record.line, {}, std::move(fields[1]), ClippedUtf8(TrimBlanks(fields[2]), kMostNoteBytes), {}};
        std::string badFields;
        for (std::size_t column = 0; column < kColumnCount; ++column) {
            const std::string& field = fields[kFirstFigureField + column];
            const FigureRead read = ReadFigure(field, KindOf(static_cast<Column>(column)));
            if (read.reading) {
                row.readings[column] = *read.reading;
                continue;
            }
            if (!badFields.empty()) badFields += ", ";
            badFields += "column " + std::to_string(kFirstFigureField + column + 1) + " " + Quoted(field);
            if (read.outOfBounds) badFields += " (" + std::string(read.problem) + ")";
        }
        if (!badFields.empty()) {
            history.unreadable.push_back(
                {record.line, "figures not understood: " + badFields, ClippedUtf8(text, kExcerptBytes)});
            continue;
        }
        row.text = std::move(text);
        pending.push_back(std::move(row));
    }

    std::vector<std::string> times;
    times.reserve(pending.size());
    for (const Pending& row : pending) times.push_back(row.time);
    const std::vector<std::optional<LocalStamp>> stamps = ReadTimeColumn(times, options.words, options.today);
    history.rows.reserve(pending.size());
    for (std::size_t i = 0; i < pending.size(); ++i) {
        Pending& row = pending[i];
        if (!stamps[i]) {
            history.unreadable.push_back(
                {row.line, "no date in the Time column: " + Quoted(row.time), ClippedUtf8(row.text, kExcerptBytes)});
            continue;
        }
        history.rows.push_back({row.line, *stamps[i], std::move(row.note), row.readings});
    }
    std::stable_sort(history.unreadable.begin(), history.unreadable.end(),
                     [](const UnreadableLine& a, const UnreadableLine& b) { return a.line < b.line; });
    return history;
}

}  // namespace tidemark::report
