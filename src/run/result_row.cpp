#include "run/result_row.h"

namespace tidemark {

namespace {
constexpr const char* kLineEnd = "\r\n";
}  // namespace

std::string ResultFileHeader() {
    return std::string(" , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED") + kLineEnd +
           " ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING" + kLineEnd;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string FormatResultRow(const std::string& dateTime, const std::string& note, const ResultPairs& pairs) {
    std::string row = " ," + CsvField(dateTime) + "," + CsvField(note);
    for (const ResultPair& pair : pairs) row += "," + CsvField(pair.figure + pair.unit);
    return row + kLineEnd;
}

}  // namespace tidemark
