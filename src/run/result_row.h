#pragma once

#include <array>
#include <string>

namespace tidemark {

// A figure text and its unit text, exactly as the page shows them.
struct ResultPair {
    std::string figure;
    std::string unit;
};

// FAST download; USEN download, upload, ping, jitter; SPEED download, upload, ping.
using ResultPairs = std::array<ResultPair, 8>;

// The two header lines of a new result file, each ended by CR LF.
std::string ResultFileHeader();

// One row of 11 fields ended by CR LF: a blank, the date and time, the note,
// then each pair as figure immediately followed by unit.
std::string FormatResultRow(const std::string& dateTime, const std::string& note, const ResultPairs& pairs);

// The field as it is, or, when it holds a comma, a double quote, CR or LF
// (which would shift or break the row), in double quotes with inner quotes doubled.
std::string CsvField(const std::string& text);

}  // namespace tidemark
