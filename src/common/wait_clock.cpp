#include "common/wait_clock.h"

#include <chrono>

namespace tidemark {

namespace {
using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;

constexpr sys_days kWaitClockEpoch{year(1899) / 12 / 30};
}  // namespace

double WaitClockSeconds(const LocalDateTime& reading) {
    const sys_days date{year(reading.year) / month(static_cast<unsigned>(reading.month)) /
                        day(static_cast<unsigned>(reading.day))};
    return static_cast<double>((date - kWaitClockEpoch).count()) * 86400.0 + reading.secondsSinceMidnight;
}

double ReadWaitClock(Clock& clock) { return WaitClockSeconds(clock.Now()); }

double ElapsedMs(Clock& clock, double startReading) { return (ReadWaitClock(clock) - startReading) * 1000.0; }

bool SecondsPassed(Clock& clock, double startReading, double seconds) {
    return ReadWaitClock(clock) - startReading > seconds;
}

}  // namespace tidemark
