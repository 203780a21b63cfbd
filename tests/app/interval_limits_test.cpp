#include "app/interval_limits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tidemark {
namespace {

// What the schedule does with an interval: NextRunTime += minutes x 60.
bool Advances(double reading, double minutes) {
    const double next = reading + minutes * 60.0;
    return std::isfinite(next) && next > reading;
}

TEST(IntervalLimits, EveryIntervalAcceptedMovesTheWaitClockOfThisCenturyAndBeyond) {
    int accepted = 0;
    for (double minutes = 1e-15; std::isfinite(minutes); minutes *= 1.7) {
        const IntervalFit fit = CheckIntervalFits(minutes);
        if (fit == IntervalFit::Schedulable) {
            ++accepted;
            EXPECT_TRUE(Advances(4.0e9, minutes) && Advances(7.9e9, minutes)) << minutes;
            EXPECT_LT(4.0e9 + minutes * 60.0, 9007199254740992.0) << minutes;  // whole seconds stay exact
        }
        if (fit == IntervalFit::TooShort) {
            EXPECT_FALSE(Advances(8.0e9, minutes)) << minutes;
        }
    }
    EXPECT_GT(accepted, 50);
    EXPECT_EQ(CheckIntervalFits(3.0), IntervalFit::Schedulable);
    EXPECT_EQ(CheckIntervalFits(0.0), IntervalFit::NotPositive);
    EXPECT_EQ(CheckIntervalFits(std::nan("")), IntervalFit::NotPositive);
    EXPECT_EQ(CheckIntervalFits(INFINITY), IntervalFit::TooLong);
}

}  // namespace
}  // namespace tidemark
