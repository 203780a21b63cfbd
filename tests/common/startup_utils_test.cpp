#include <gtest/gtest.h>

#include "common/app_identity.h"
#include "common/automation_startup.h"
#include "common/edge_path.h"
#include "common/window_utils.h"
#include "sim/sim_platform.h"
#include "throws_platform_error.h"

namespace tidemark {
namespace {

class StartupUtils : public ::testing::Test {
protected:
    sim::SimPlatform sim;
    Context context{sim.platform()};
};

TEST_F(StartupUtils, InitAutomationRunsOnceAndAFailureLeavesNothingHalfMade) {
    sim.automationFactory.FailWith(kClassNotRegistered);
    EXPECT_THAT([&] { InitAutomation(context); }, ThrowsPlatformError(kClassNotRegistered));
    EXPECT_FALSE(context.automation.initialised);
    EXPECT_FALSE(context.automation.automation);
    EXPECT_EQ(context.automation.MaxWaitSeconds, 10);

    sim.automationFactory.FailWith(kSOk);
    InitAutomation(context);
    ASSERT_TRUE(context.automation.initialised);
    const auto desktop = context.automation.desktop;
    EXPECT_TRUE(desktop && context.automation.walker);

    context.automation.MaxWaitSeconds = 0;
    InitAutomation(context);
    EXPECT_EQ(context.automation.MaxWaitSeconds, 0);
    EXPECT_EQ(context.automation.desktop, desktop);
    EXPECT_EQ(sim.automationFactory.created(), 1);
}

TEST_F(StartupUtils, EdgePathTakesOnlyTheDriveLetterOfTheWindowsDirectory) {
    sim.environment.SetWindowsDirectory("D:\\WINNT", ' ');
    GetEdgePath(context);
    EXPECT_EQ(context.EdgePath, "D:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe");

    std::string buffer = "E:\\Windows";
    buffer.append(3, '\0');
    buffer.resize(260, ' ');
    sim.environment.SetWindowsDirectoryBuffer(buffer);
    EXPECT_EQ(GetWindowsDir(sim.environment), "E:\\Windows");
}

TEST_F(StartupUtils, EdgePathIsTheStandardPlaceWhenEdgeIsThereElseWhereItIsRegisteredIfAnywhere) {
    const std::string standard = "C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe";
    const std::string registered = "C:\\Program Files\\Microsoft\\Edge\\Application\\msedge.exe";
    sim.browserLocation.SetInstalled(registered);
    sim.files.AddFile(standard, "");
    GetEdgePath(context);
    EXPECT_EQ(context.EdgePath, standard);
    EXPECT_EQ(sim.browserLocation.asked(), 0) << "the standard place is tried first";

    sim.files.RemoveFile(standard);
    sim.files.AddFolder(standard);  // a folder of that name is no program
    GetEdgePath(context);
    EXPECT_EQ(context.EdgePath, registered);

    sim.browserLocation.SetInstalled(std::nullopt);
    GetEdgePath(context);
    EXPECT_EQ(context.EdgePath, standard) << "with Edge nowhere, a launch reports the standard place";
}

TEST_F(StartupUtils, WaitMsSleepsInTensRoundingHalvesToEvenAndPumpsBeforeEachSleep) {
    const struct {
        int milliseconds;
        int sleeps;
    } cases[] = {{10, 1}, {100, 10}, {4, 0}, {5, 0}, {15, 2}, {25, 2}, {26, 3}, {0, 0}, {-30, 0}};
    for (const auto& c : cases) {
        const int sleepsBefore = sim.clock.sleepCount();
        const int passesBefore = sim.pump.passCount();
        int passesAtFirstSleep = -1;
        const auto hook = sim.pump.OnEachPass([&] {
            if (passesAtFirstSleep < 0 && sim.clock.sleepCount() == sleepsBefore) passesAtFirstSleep = 1;
        });
        WaitMs(sim.platform(), c.milliseconds);
        sim.pump.Remove(hook);
        EXPECT_EQ(sim.clock.sleepCount() - sleepsBefore, c.sleeps) << c.milliseconds << " ms";
        EXPECT_EQ(sim.pump.passCount() - passesBefore, c.sleeps) << c.milliseconds << " ms";
        if (c.sleeps > 0) {
            EXPECT_EQ(passesAtFirstSleep, 1) << "messages come before the first sleep";
        }
    }
}

TEST_F(StartupUtils, BringFormToFrontActivatesTheWindowAndDoesNotLeaveItTopmost) {
    BringFormToFront(sim.platform());
    ASSERT_EQ(sim.windowOrder.activatedTitles().size(), 1u);
    EXPECT_EQ(sim.windowOrder.activatedTitles()[0], kAppTitle);
    const auto& calls = sim.windowOrder.windowPosCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].insertAfter, -1);
    EXPECT_EQ(calls[0].flags, 3u);
    EXPECT_EQ(calls[1].insertAfter, -2);
    EXPECT_EQ(calls[1].flags, 67u);
    EXPECT_FALSE(sim.windowOrder.topmost());
    EXPECT_EQ(sim.pump.passCount(), 3);
}

}  // namespace
}  // namespace tidemark
