#pragma once

// The sites' waits: ask the page again until it answers yes or no, or the wait
// clock runs out.

#include "common/wait_clock.h"

namespace tidemark {

enum class Poll { Again, Done, Failed };
enum class PollEnd { Done, Failed, TimedOut };

// Runs `poll` until it answers Done or Failed; TimedOut when `seconds` of the
// wait clock have passed before a poll begins. Each poll pauses where its own
// wait needs the pause, so the waits keep the order of their steps.
template <class Step>
PollEnd PollUntil(Clock& clock, double seconds, Step&& poll) {
    const double start = ReadWaitClock(clock);
    for (;;) {
        if (SecondsPassed(clock, start, seconds)) return PollEnd::TimedOut;
        switch (poll()) {
            case Poll::Done: return PollEnd::Done;
            case Poll::Failed: return PollEnd::Failed;
            case Poll::Again: break;
        }
    }
}

}  // namespace tidemark
