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

// Howard Hinnant's days_from_civil and civil_from_days.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
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
