#include "common/wait_clock.h"

namespace tidemark {

namespace {
// Days from 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
long long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

const long long kDaysTo1970 = -DaysFromCivil(1899, 12, 30);
}  // namespace

double WaitClockSeconds(const LocalDateTime& reading) {
    const long long days = DaysFromCivil(reading.year, reading.month, reading.day) + kDaysTo1970;
    return static_cast<double>(days) * 86400.0 + reading.secondsSinceMidnight;
}

double ReadWaitClock(Clock& clock) { return WaitClockSeconds(clock.Now()); }

double ElapsedMs(Clock& clock, double startReading) { return (ReadWaitClock(clock) - startReading) * 1000.0; }

bool SecondsPassed(Clock& clock, double startReading, double seconds) {
    return ReadWaitClock(clock) - startReading > seconds;
}

}  // namespace tidemark
