#include <gtest/gtest.h>

#include <algorithm>

#include "app/form1.h"
#include "app/remain_time.h"
#include "common/wait_clock.h"
#include "run/run_test.h"
#include "run/run_texts.h"

namespace tidemark::test {
namespace {

TEST(RemainTime, RoundsToTheNearestSecondTiesToEvenAndCountsNegativeTimeFromTheHourBelow) {
    EXPECT_EQ(GetRemainTimeText(1799.7), "00:30:00");
    EXPECT_EQ(GetRemainTimeText(5400), "01:30:00");
    EXPECT_EQ(GetRemainTimeText(90000), "25:00:00");
    EXPECT_EQ(GetRemainTimeText(-5), "-01:59:55");
    EXPECT_EQ(GetRemainTimeText(0.4), "00:00:00");
    EXPECT_EQ(GetRemainTimeText(3599.6), "01:00:00");
    EXPECT_EQ(GetRemainTimeText(36 * 3600), "36:00:00");
    EXPECT_EQ(GetRemainTimeText(360000), "100:00:00");
    EXPECT_EQ(GetRemainTimeText(0.5), "00:00:00");
    EXPECT_EQ(GetRemainTimeText(1.5), "00:00:02");
    EXPECT_EQ(GetRemainTimeText(-3600), "-01:00:00");
}

// The whole program on the simulated desktop: the window's state and
// handlers, the run, the sites, Edge and the result file, with the window's
// 500 ms timer delivered by the message pump as a real one is, also inside
// a run's waits.
class ScheduleTest : public RunTestBase {
protected:
    void SetUp() override {
        RunTestBase::SetUp();
        ASSERT_EQ(form.Form_Load(), ProcessFate::KeepRunning);
        form.txtInterval.Text = "30";
        tickHook = sim.pump.OnEachPass([this] { DeliverDueTick(); });
    }

    void TearDown() override {
        sim.pump.Remove(tickHook);
        form.elmEdgeWindow.reset();
        form.elmEdgeTab.reset();
        RunTestBase::TearDown();
    }

    void DeliverDueTick() {
        if (!form.tmrProc.Enabled || Now() < nextTickMs) return;
        nextTickMs = Now() + 500;
        ++ticks;
        form.tmrProc_Timer();
    }

    // Lets `ms` of the clock pass with the window idle, a message pass every 10 ms.
    void Idle(double ms) {
        const double end = Now() + ms;
        while (Now() < end) {
            sim.clock.Sleep(10);
            sim.pump.DoEvents();
        }
    }

    int Rows() const {
        const std::string csv = Csv();
        return static_cast<int>(std::count(csv.begin(), csv.end(), '\n')) - 2;
    }
    double Remaining() { return form.NextRunTime - ReadWaitClock(sim.clock); }
    bool Armed() const {
        return form.tmrProc.Enabled && form.cmdStop.Enabled && form.cmdTestNow.Enabled && !form.cmdStart.Enabled &&
               !form.Frame1.Enabled;
    }

    Form1 form{context};
    sim::SimMessagePump::HookId tickHook = 0;
    double nextTickMs = 0;
    int ticks = 0;
};

TEST_F(ScheduleTest, StartRunsAtOnceThenEveryIntervalAndTicksDuringARunAreNotEnteredAgain) {
    const double start = Now();
    form.cmdStart_Click();
    EXPECT_EQ(Rows(), 1) << "the first run happens inside the click";
    EXPECT_TRUE(Armed());
    EXPECT_EQ(form.lblTimeRemain.Caption, run_text::kAllDone);
    EXPECT_EQ(ticks, 0) << "the timer is off during the first run";
    const double runSeconds = (Now() - start) / 1000;
    EXPECT_NEAR(Remaining(), 1800 - runSeconds, 0.01);

    Idle(600);
    EXPECT_EQ(form.lblTimeRemain.Caption, GetRemainTimeText(Remaining()));
    Idle(1800'000 - (Now() - start) - 1000);
    EXPECT_EQ(Rows(), 1);
    const int ticksBefore = ticks;
    Idle(2000);
    EXPECT_EQ(Rows(), 2) << "the second run comes one interval after Start";
    EXPECT_GT(ticks - ticksBefore, 50) << "ticks came during the run's waits and were not entered again";

    // TestNow moves the schedule: the next run within half a second, the one after an interval later.
    Idle(60'000);
    const double pressed = Now();
    form.cmdTestNow_Click();
    Idle(600);
    EXPECT_EQ(Rows(), 3);
    EXPECT_NEAR(Remaining(), 1800 - (Now() - pressed) / 1000, 0.6);
    EXPECT_TRUE(Armed());
}

TEST_F(ScheduleTest, StopClosesEdgeOnlyWhenAskedToAndLeavesTheWindowIdle) {
    form.chkCloseEdge.Value = 0;
    form.cmdStart_Click();
    form.cmdStop_Click();
    EXPECT_FALSE(form.tmrProc.Enabled);
    EXPECT_TRUE(form.cmdStart.Enabled && form.Frame1.Enabled && !form.cmdStop.Enabled && !form.cmdTestNow.Enabled);
    EXPECT_EQ(form.lblTimeRemain.Caption, "");
    EXPECT_EQ(edge.windows().size(), 1u);

    form.chkCloseEdge.Value = 1;
    form.cmdStart_Click();
    ASSERT_EQ(edge.windows().size(), 0u) << "the run itself closed it";
    form.chkCloseEdge.Value = 0;
    form.cmdTestNow_Click();
    Idle(600);
    ASSERT_EQ(edge.windows().size(), 1u) << form.lblTimeRemain.Caption;
    form.chkCloseEdge.Value = 1;
    form.cmdStop_Click();
    EXPECT_TRUE(edge.windows().empty());
    EXPECT_EQ(Rows(), 3);
}

TEST_F(ScheduleTest, MissedSlotsAreSkippedWhetherTheRunWasLongTheComputerSleptOrTheClockMoved) {
    form.IntervalLimitOff = true;
    form.txtInterval.Text = "1";
    sites.speed.settings.measureMs = 80'000;  // a run longer than the interval
    form.cmdStart_Click();
    EXPECT_EQ(Rows(), 1);
    Idle(600);
    EXPECT_EQ(Rows(), 1) << "no second run at once";
    EXPECT_GT(Remaining(), 0);
    EXPECT_LE(Remaining(), 60);
    sites.speed.settings.measureMs = 1'000;

    // Two intervals of sleep: one tick shows the negative countdown, then the next future slot.
    const double before = form.NextRunTime;
    sim.clock.Advance(2 * 60'000 + 5'000);
    form.tmrProc_Timer();
    EXPECT_EQ(form.lblTimeRemain.Caption.front(), '-');
    EXPECT_EQ(form.NextRunTime, before + 3 * 60);
    EXPECT_EQ(Rows(), 1);

    // The clock put back: the wait grows by as much.
    const double remaining = Remaining();
    sim.clock.Advance(-20'000);
    EXPECT_NEAR(Remaining(), remaining + 20, 0.01);
    Idle(Remaining() * 1000 + 600);
    EXPECT_EQ(Rows(), 2);

    // Put forward past a due time: that slot is skipped, not run late.
    const double due = form.NextRunTime;
    sim.clock.Advance(Remaining() * 1000 + 5'000);
    form.tmrProc_Timer();
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(form.NextRunTime, due + 60);
}

TEST_F(ScheduleTest, AFileThatStaysInUseAtTheFirstRunLeavesTheScheduleOff) {
    sim.files.AddFile(csvPath, kResultHeader);
    sim.files.HoldByOtherProgram(csvPath, true);
    form.cmdStart_Click();
    EXPECT_TRUE(form.RunAborted);
    EXPECT_FALSE(form.tmrProc.Enabled);
    EXPECT_TRUE(form.cmdStart.Enabled);
    EXPECT_EQ(form.lblTimeRemain.Caption, run_text::kFileInUse);
    EXPECT_EQ(Rows(), 0);
}

TEST_F(ScheduleTest, AWholeDayOfHalfHourRunsWritesFortyEightRowsWithRealisticPages) {
    const double start = Now();
    form.cmdStart_Click();
    Idle(24 * 3600'000.0 - (Now() - start) - 1000);
    EXPECT_EQ(Rows(), 48);
    const std::string csv = Csv();
    std::size_t lineStart = 0;
    int lines = 0;
    while (lineStart < csv.size()) {
        const std::size_t end = csv.find("\r\n", lineStart);
        ASSERT_NE(end, std::string::npos);
        const std::string row = csv.substr(lineStart, end - lineStart);
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 10) << row;
        if (lines >= 2) {
            EXPECT_EQ(row.find("Error"), std::string::npos) << row;
        }
        lineStart = end + 2;
        ++lines;
    }
    EXPECT_EQ(lines, 50);
}

}  // namespace
}  // namespace tidemark::test
