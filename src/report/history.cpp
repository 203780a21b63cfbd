#include "report/history.h"

#include "common/machine_number.h"

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
    return PaddedNumber(y, 4) + "-" + PaddedNumber(m, 2) + "-" + PaddedNumber(d, 2);
}

std::string StampText(LocalStamp stamp) {
    const std::int64_t inDay = stamp.seconds - stamp.Day() * kSecondsPerDay;
    return DayText(stamp.Day()) + " " + PaddedNumber(inDay / 3600, 2) + ":" + PaddedNumber(inDay / 60 % 60, 2);
}

}  // namespace tidemark::report
