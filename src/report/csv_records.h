#pragma once

// The records of CSV text as the result file's writer makes them: commas
// separate fields; a field that begins with a double quote runs to the next
// lone quote and may hold commas, line breaks and doubled quotes (one quote
// each). A quote elsewhere is an ordinary character. A quoted field that is
// not closed within a few lines was damage, not a line break: its record is
// then its first line alone, so one stray quote cannot swallow the file.

#include <string>
#include <string_view>
#include <vector>

namespace tidemark::report {

inline constexpr int kMostLinesPerRecord = 8;

struct CsvRecord {
    int line = 0;           // the 1-based line it begins on
    std::string_view text;  // without its line end
};

std::vector<CsvRecord> SplitCsvRecords(std::string_view text);

// The fields of one record.
std::vector<std::string> SplitCsvFields(std::string_view record);

}  // namespace tidemark::report
