#pragma once

// Where each run's metrics go, when the user asked for them, and the clock
// they are stamped by: Prometheus wants seconds since the Unix epoch, which
// the local wall clock of the platform services does not give.

#include <string>

namespace tidemark {

class EpochClock {
public:
    virtual ~EpochClock() = default;
    virtual double SecondsSinceEpoch() = 0;
};

// The system's clock; tests give their own.
class SystemEpochClock : public EpochClock {
public:
    double SecondsSinceEpoch() override;
};

struct MetricsTarget {
    std::string folder;
    EpochClock& clock;
};

}  // namespace tidemark
