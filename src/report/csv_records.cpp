#include "report/csv_records.h"

namespace tidemark::report {

namespace {
std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Where the record that begins at `start` ends (at its '\n' or the text's
// end); npos when a quoted field stays open past the limit or the end.
std::size_t QuotedRecordEnd(std::string_view text, std::size_t start) {
    bool quoted = false;
    bool fieldStart = true;
    int breaks = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c == '\n' && ++breaks >= kMostLinesPerRecord) {
                return std::string_view::npos;
            }
            continue;
        }
        if (c == '\n') return i;
        if (c == '"' && fieldStart) quoted = true;
        fieldStart = c == ',';
    }
    return quoted ? std::string_view::npos : text.size();
}
}  // namespace

std::vector<CsvRecord> SplitCsvRecords(std::string_view text) {
    std::vector<CsvRecord> records;
    int line = 1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = QuotedRecordEnd(text, start);
        if (end == std::string_view::npos) end = std::min(text.find('\n', start), text.size());
        const std::string_view record = text.substr(start, end - start);
        records.push_back({line, WithoutCarriageReturn(record)});
        for (const char c : record) line += c == '\n' ? 1 : 0;
        ++line;
        start = end + 1;
    }
    return records;
}

std::vector<std::string> SplitCsvFields(std::string_view record) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    bool fieldStart = true;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const char c = record[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < record.size() && record[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == ',') {
            fields.emplace_back();
            fieldStart = true;
            continue;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
        } else {
            fields.back() += c;
        }
        fieldStart = false;
    }
    return fields;
}

}  // namespace tidemark::report
