#include "report/history.h"

#include <cstdio>

namespace tidemark::report {

namespace {
constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
}  // namespace

std::int64_t LocalStamp::Day() const { return FloorDiv(seconds, kSecondsPerDay); }

int LocalStamp::Hour() const { return static_cast<int>((seconds - Day() * kSecondsPerDay) / 3600); }

bool HistoryRow::failed() const {
    if (!note.empty()) return true;
    for (const Reading& reading : readings)
        if (reading.failed()) return true;
    return false;
}

std::string DayText(std::int64_t day) {
    int y = 0, m = 0, d = 0;
    CivilFromDays(day, y, m, d);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

std::string StampText(LocalStamp stamp) {
    const std::int64_t inDay = stamp.seconds - stamp.Day() * kSecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, " %02d:%02d", static_cast<int>(inDay / 3600), static_cast<int>(inDay / 60 % 60));
    return DayText(stamp.Day()) + text;
}

}  // namespace tidemark::report
