#pragma once

// Virtual time: Sleep advances it at once, so a wait of minutes costs
// microseconds. Tests set the date and time and may jump either way.

#include <cstdint>

#include "common/platform.h"

namespace tidemark::sim {

class VirtualClock : public Clock, public Sleeper {
public:
    // Starts at 2024-01-05 09:00:00 local time.
    VirtualClock();

    LocalDateTime Now() override;
    // Advances virtual time by `milliseconds`; a negative value sleeps not at all.
    void Sleep(int milliseconds) override;

    void Set(const LocalDateTime& when);
    // Jumps forward (positive) or back (negative) without counting as a sleep.
    void Advance(double milliseconds);

    // Virtual milliseconds since the clock was made or last Set.
    double ElapsedMs() const;
    int sleepCount() const { return sleepCount_; }
    std::int64_t sleptMs() const { return sleptMs_; }

private:
    std::int64_t microseconds_ = 0;  // since 1899-12-30 00:00 local time
    std::int64_t origin_ = 0;
    int sleepCount_ = 0;
    std::int64_t sleptMs_ = 0;
};

}  // namespace tidemark::sim
