#pragma once

// Virtual and real time of one stretch of the program on the simulated
// platform, read together so the two figures describe the same stretch.

#include <chrono>

#include "sim/virtual_clock.h"

namespace tidemark::bench {

class Stopwatch {
public:
    explicit Stopwatch(sim::VirtualClock& clock)
        : clock_(clock), virtualStart_(clock.ElapsedMs()), realStart_(std::chrono::steady_clock::now()) {}

    double VirtualMs() const { return clock_.ElapsedMs() - virtualStart_; }
    double RealUs() const {
        return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - realStart_).count();
    }

private:
    sim::VirtualClock& clock_;
    double virtualStart_;
    std::chrono::steady_clock::time_point realStart_;
};

}  // namespace tidemark::bench
