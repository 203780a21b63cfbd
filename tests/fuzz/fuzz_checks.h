#pragma once

// What the fuzz targets hold the readers and the page writer to, for any
// bytes: each check answers what was wrong, empty when nothing. The libFuzzer
// targets abort on an answer; the test suite runs the same checks over the
// checked-in corpora and every input a fuzzer ever stopped on.

#include <string>
#include <string_view>

namespace tidemark::fuzz {

// The CSV reader with its figures and dates: every text valid UTF-8 of
// bounded length, every figure finite and within the bounds.
std::string CheckCsvReader(std::string_view bytes);

// The run-log reader: failures' texts valid UTF-8 of bounded length.
std::string CheckRunLog(std::string_view bytes);

// The whole page for the bytes as a result file, as a run log and (their
// first line) as the file's name: well-formed XML whose elements are all of
// a fixed list.
std::string CheckReportPage(std::string_view bytes);

}  // namespace tidemark::fuzz
