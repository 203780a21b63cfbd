#include "run/run_log.h"

#include "report/log_reasons.h"
#include "report/memory_record_files.h"
#include "run/run_speed_tests.h"
#include "run/run_test.h"
#include "run/run_texts.h"

namespace tidemark::test {
namespace {

class StatusHost : public RunHost {
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void AbortSchedule() override {}
    std::vector<std::string> statuses;
};

class RunLogTest : public RunTestBase {
protected:
    void SetUp() override {
        RunTestBase::SetUp();
        context.records = &records;
    }
    void Run() { RunSpeedTests(context, settings, host, window, tab); }
    bool Logged(const std::string& text) const { return files.Log().find(text) != std::string::npos; }

    RunSettings settings{.fast = true, .usen = true, .speed = true, .closeEdge = false, .fileName = "Tidemark"};
    StatusHost host;
    MemoryRecordFiles files;
    RecordingViewer viewer;
    RecordServices records{files, viewer};
};

TEST_F(RunLogTest, AFailedRunLeavesThePlatformsOwnTextAndCodeAndThePageItShowed) {
    Run();
    const std::string clean = files.Log();
    EXPECT_NE(clean.find(" START FAST USEN SPEED into Tidemark.csv\n"), std::string::npos) << clean;
    EXPECT_NE(clean.find(" FILE " + csvPath + "\n"), std::string::npos) << clean;
    EXPECT_NE(clean.find(" RESULT USEN: 94.52Mbps 38.21Mbps 12.3ms 2.1ms\n"), std::string::npos) << clean;
    EXPECT_NE(clean.find(" END All Test completed\n"), std::string::npos) << clean;
    EXPECT_EQ(clean.find(" FAIL "), std::string::npos) << clean;

    // USEN's page shows another title: a time-out, with the title that was there.
    sites.usen.settings.title = "USEN GATE 02";
    Run();
    EXPECT_TRUE(Logged("FAIL USEN: the page's title did not show in time; page shown: \"USEN GATE 02\"\n"))
        << files.Log();
    EXPECT_TRUE(Logged("END Test timed out !! | note: Test timed out.\n")) << files.Log();

    // Edge cannot be started: the error the platform threw, with its code, not just the note.
    sites.usen.settings.title = sim::UsenPage::kTitle;
    sim.processStarter.FailWith(kFileNotFound);
    Run();
    EXPECT_TRUE(Logged("FAIL FAST: error 0x80070002: sim: the process cannot be started\n")) << files.Log();
    EXPECT_TRUE(Logged("END An error occurred in the test !! | note: An error occurred in the test.\n")) << files.Log();
}

TEST_F(RunLogTest, ALogThatCannotBeWrittenLeavesTheRunAndItsRowAsTheyWere) {
    files.failure = kEAccessDenied;
    settings.closeEdge = true;  // so that the second run starts Edge anew
    Run();
    EXPECT_EQ(Csv(), kResultHeader + RowNow("", std::string(kFastFigures) + "," + kUsenFigures + "," + kSpeedFigures));
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Now Testing", "FAST Test completed successfully",
                                                       "USEN Test completed successfully",
                                                       "SPEED Test completed successfully", "All Test completed"}));
    EXPECT_TRUE(files.files.empty());

    // Nor does it change a failed run: its row and status are those of the error ending.
    sim.processStarter.FailWith(kFileNotFound);
    const std::string before = Csv();
    Run();
    EXPECT_EQ(Csv(),
              before + RowNow(std::string(run_text::kErrorNote), "Error,Error,Error,Error,Error,Error,Error,Error"));
    EXPECT_EQ(host.statuses.back(), run_text::kErrorStatus);
}

TEST_F(RunLogTest, TheReportFindsTheFailuresOfItsOwnFileWhateverItsNameHolds) {
    // Two files whose names the older " into NAME" reading could not tell apart.
    const std::string tricky = "100% sure into Tidemark";
    settings.fileName = tricky;
    sim.processStarter.FailWith(kFileNotFound);
    Run();
    settings.fileName = "Tidemark";
    Run();
    const std::string trickyPath = std::string(sim::SimFileSystem::kDocuments) + "\\" + tricky + ".csv";
    EXPECT_TRUE(Logged(" FILE " + std::string(sim::SimFileSystem::kDocuments) + "\\100%25 sure into Tidemark.csv\n"))
        << files.Log();
    const auto same = [](const std::string& path) { return path; };
    EXPECT_EQ(report::ReadLogFailures(files.Log(), trickyPath, same).size(), 1u);
    EXPECT_EQ(report::ReadLogFailures(files.Log(), csvPath, same).size(), 1u);
    EXPECT_EQ(
        report::ReadLogFailures(files.Log(), std::string(sim::SimFileSystem::kDocuments) + "\\Tidemark", same).size(),
        0u);

    // A path with a line break in it stays on its line and reads back whole.
    EXPECT_EQ(PathFromLog(PathInLog("/home/u/a\r\nb %0A.csv")), "/home/u/a\r\nb %0A.csv");
    EXPECT_EQ(PathInLog("/home/u/a\r\nb %0A.csv").find_first_of("\r\n"), std::string::npos);
}

TEST(RunLogRotation, TheLogStaysWithinItsBoundAndKeepsOneOldFile) {
    MemoryRecordFiles files;
    RecordingViewer viewer;
    RecordServices records{files, viewer};
    sim::VirtualClock clock;
    constexpr std::uint64_t kBound = 1000;
    RunLog log(&records, clock, kBound);
    for (int i = 0; i < 500; ++i) log.Write(run_log::kStep, "line " + std::to_string(i) + "\r\nsecond part");
    const std::string current = files.Log();
    const std::string old = files.Contents(std::string(MemoryRecordFiles::kFolder) + "tidemark.log.1");
    EXPECT_LE(current.size(), kBound);
    EXPECT_LE(old.size(), kBound);
    EXPECT_GT(old.size() + current.size(), kBound) << "rotated only when full";
    EXPECT_EQ(files.files.size(), 2u);
    EXPECT_NE(current.find("STEP line 499 / second part\n"), std::string::npos) << current;
    // The old file ends where the current one begins.
    const std::size_t firstNumber = current.find("line ") + 5;
    const int first = std::stoi(current.substr(firstNumber));
    EXPECT_NE(old.find("line " + std::to_string(first - 1) + " / "), std::string::npos);
}

}  // namespace
}  // namespace tidemark::test
