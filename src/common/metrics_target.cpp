#include "common/metrics_target.h"

#include <chrono>

namespace tidemark {

double SystemEpochClock::SecondsSinceEpoch() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

}  // namespace tidemark
