#include "common/wait_clock.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(WaitClock, CountsDaysFrom1899AndRisesAcrossMidnight) {
    EXPECT_DOUBLE_EQ(WaitClockSeconds({1899, 12, 30, 0.0}), 0.0);
    EXPECT_DOUBLE_EQ(WaitClockSeconds({1900, 1, 1, 0.0}), 2 * 86400.0);
    // 2024-01-05 is day 45296 of the spreadsheet-style serial dates.
    EXPECT_DOUBLE_EQ(WaitClockSeconds({2024, 1, 5, 3600.5}), 45296 * 86400.0 + 3600.5);
    const double beforeMidnight = WaitClockSeconds({2024, 2, 28, 86399.9});
    const double afterMidnight = WaitClockSeconds({2024, 2, 29, 0.1});
    EXPECT_NEAR(afterMidnight - beforeMidnight, 0.2, 1e-6);
    EXPECT_NEAR(WaitClockSeconds({2025, 1, 1, 0.0}) - WaitClockSeconds({2024, 12, 31, 86399.0}), 1.0, 1e-6);
}

}  // namespace
}  // namespace tidemark
