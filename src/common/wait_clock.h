#pragma once

#include "common/platform.h"

namespace tidemark {

// Whole days from 30 December 1899 to the reading's date times 86,400, plus
// the seconds since local midnight: rises continuously across midnight.
double WaitClockSeconds(const LocalDateTime& reading);

// The wait clock now, on the platform's clock.
double ReadWaitClock(Clock& clock);

// (now - start) x 1000, in double precision.
double ElapsedMs(Clock& clock, double startReading);

// A limit of `seconds` has passed: the clock is more than that past the start reading.
bool SecondsPassed(Clock& clock, double startReading, double seconds);

}  // namespace tidemark
