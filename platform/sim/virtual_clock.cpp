#include "sim/virtual_clock.h"

#include "common/civil_days.h"
#include "common/wait_clock.h"

namespace tidemark::sim {

namespace {
constexpr std::int64_t kMicrosecondsPerDay = 86'400'000'000LL;

// Day 0 of the wait clock, 1899-12-30, counted from 1970-01-01.
constexpr std::int64_t kSerialDayOfEpoch = -25569;

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}
}  // namespace

VirtualClock::VirtualClock() { Set({2024, 1, 5, 9 * 3600.0}); }

LocalDateTime VirtualClock::Now() {
    const std::int64_t days = FloorDiv(microseconds_, kMicrosecondsPerDay);
    const std::int64_t inDay = microseconds_ - days * kMicrosecondsPerDay;
    LocalDateTime now;
    CivilFromDays(days + kSerialDayOfEpoch, now.year, now.month, now.day);
    now.secondsSinceMidnight = static_cast<double>(inDay) / 1e6;
    return now;
}

void VirtualClock::Sleep(int milliseconds) {
    ++sleepCount_;
    if (milliseconds <= 0) return;
    sleptMs_ += milliseconds;
    microseconds_ += static_cast<std::int64_t>(milliseconds) * 1000;
}

void VirtualClock::Set(const LocalDateTime& when) {
    const double serialSeconds = WaitClockSeconds(when);
    microseconds_ = static_cast<std::int64_t>(serialSeconds * 1e6 + (serialSeconds >= 0 ? 0.5 : -0.5));
    origin_ = microseconds_;
}

void VirtualClock::Advance(double milliseconds) { microseconds_ += static_cast<std::int64_t>(milliseconds * 1000.0); }

double VirtualClock::ElapsedMs() const { return static_cast<double>(microseconds_ - origin_) / 1000.0; }

}  // namespace tidemark::sim
