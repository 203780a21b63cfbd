#include "sim/sim_platform.h"

#include <gtest/gtest.h>

#include "common/automation_startup.h"
#include "common/wait_clock.h"

namespace tidemark::test {
namespace {

TEST(VirtualClock, SleepsWithoutRealTimeAndCrossesMidnightAndMonthEnds) {
    sim::VirtualClock clock;
    clock.Set({2024, 2, 29, 86399.5});
    const double before = ReadWaitClock(clock);
    clock.Sleep(90'000'000);  // 25 hours
    const LocalDateTime after = clock.Now();
    EXPECT_EQ(after.year, 2024);
    EXPECT_EQ(after.month, 3);
    EXPECT_EQ(after.day, 2);
    EXPECT_NEAR(after.secondsSinceMidnight, 3599.5, 1e-6);
    EXPECT_NEAR(ReadWaitClock(clock) - before, 90'000.0, 1e-6);
    clock.Advance(-3'600'000.5);
    EXPECT_EQ(clock.Now().day, 1);
    EXPECT_NEAR(clock.Now().secondsSinceMidnight, 86399.4995, 1e-6);
    clock.Set({2023, 12, 31, 86399.99});
    clock.Sleep(10);
    EXPECT_EQ(clock.Now().year, 2024);
    EXPECT_EQ(clock.Now().secondsSinceMidnight, 0.0);
    EXPECT_EQ(clock.sleepCount(), 2);
}

TEST(SimServices, BehaveAsTheirWindowsCounterpartsDo) {
    sim::SimPlatform sim;
    Platform& platform = sim.platform();

    sim.keyboard.SetKeyDown(0x11, true);
    EXPECT_EQ(platform.keyboard.GetKeyboardState()[0x11] & 0x80, 0x80);
    platform.keyboard.KeyEvent(0x11, true);
    EXPECT_EQ(platform.keyboard.GetKeyboardState()[0x11], 0);

    sim.messageBoxes.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_EQ(platform.messageBoxes.Show("a", "", MessageButtons::OkCancel, MessageIcon::Information),
              MessageAnswer::Cancel);
    EXPECT_EQ(platform.messageBoxes.Show("b", "", MessageButtons::Ok, MessageIcon::None), MessageAnswer::Ok);
    ASSERT_EQ(sim.messageBoxes.shown().size(), 2u);
    EXPECT_EQ(sim.messageBoxes.shown()[0].buttons, MessageButtons::OkCancel);

    platform.windowOrder.SetWindowPos(-1, 3);
    EXPECT_TRUE(sim.windowOrder.topmost());
    platform.windowOrder.SetWindowPos(-2, 67);
    EXPECT_FALSE(sim.windowOrder.topmost());

    const std::string buffer = platform.environment.WindowsDirectoryBuffer();
    EXPECT_EQ(buffer.size(), 260u);
    EXPECT_EQ(buffer.substr(0, 11), std::string("C:\\Windows\0", 11));
    EXPECT_EQ(buffer.find_first_not_of('\0', 10), std::string::npos);

    EXPECT_EQ(platform.locale.FormatGeneralDate({2024, 1, 5, 9 * 3600 + 3 * 60 + 7.9}), "2024/01/05 9:03:07");
    EXPECT_EQ(platform.locale.FormatGeneralDate({2024, 12, 31, 0.0}), "2024/12/31");
    EXPECT_EQ(platform.locale.FormatGeneralDate({2024, 12, 31, 86399.0}), "2024/12/31 23:59:59");

    int passes = 0;
    const auto hook = sim.pump.OnEachPass([&] {
        ++passes;
        if (sim.pump.depth() == 1) platform.pump.DoEvents();  // a handler that waits in turn
    });
    platform.pump.DoEvents();
    sim.pump.Remove(hook);
    platform.pump.DoEvents();
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(sim.pump.passCount(), 3);

    sim.processStarter.FailWith(kFileNotFound);
    EXPECT_THROW(platform.processStarter.Start("msedge.exe", " --new-window "), PlatformError);
    EXPECT_EQ(sim.processStarter.started().back().commandLine(), "msedge.exe --new-window ");
}

}  // namespace
}  // namespace tidemark::test
