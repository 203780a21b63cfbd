#include "app/run_once.h"

#include <gtest/gtest.h>

#include <sstream>

#include "metrics/metrics_text.h"
#include "report/memory_record_files.h"
#include "run/run_test.h"
#include "run/run_texts.h"

namespace tidemark::test {
namespace {

class FixedEpochClock : public EpochClock {
public:
    double SecondsSinceEpoch() override { return seconds; }
    double seconds = 1'700'000'000.5;
};

// A metrics folder that exists only where the test says so; the run log's folder always does.
class FolderRecordFiles : public MemoryRecordFiles {
public:
    void Write(const std::string& path, const std::string& bytes) override {
        if (!path.starts_with(folder)) throw PlatformError(kPathNotFound, "no folder for " + path);
        MemoryRecordFiles::Write(path, bytes);
    }
    std::string folder = "M:\\metrics\\";
};

// Each call is one process of its own: a new context and form over the same
// simulated machine (settings, files, Edge), as `Tidemark --run-once` is.
class RunOnceTest : public RunTestBase {
protected:
    struct Answer {
        int status = -1;
        std::string out;
        std::string err;
    };

    Answer Once(const std::vector<std::string>& arguments) {
        Answer answer;
        const UnattendedResult read = ReadUnattendedArguments(arguments);
        if (const auto* refusal = std::get_if<std::string>(&read)) {
            answer.status = run_once::kBadUsage;
            answer.err = *refusal;
            return answer;
        }
        const UnattendedOptions& options = std::get<UnattendedOptions>(read);
        std::ostringstream out, err;
        ConsoleMessageBoxes boxes(err);
        Platform platform = WithMessageBoxes(sim.platform(), boxes);
        Context process(platform);
        process.records = &records;
        std::optional<MetricsTarget> metrics;
        if (const auto folder = MetricsFolder(options, sim.environment)) {
            metrics.emplace(MetricsTarget{*folder, epoch});
            process.metrics = &*metrics;
        }
        {
            Form1 form(process);
            answer.status = RunOnce(form, options, out, err);
        }
        answer.out = out.str();
        answer.err = err.str();
        return answer;
    }

    std::string Metrics() const { return files.Contents("M:\\metrics\\tidemark.prom"); }
    bool Has(const std::string& line) const { return Metrics().find(line + "\n") != std::string::npos; }

    FixedEpochClock epoch;
    FolderRecordFiles files;
    RecordingViewer viewer;
    RecordServices records{files, viewer};
};

TEST_F(RunOnceTest, OneRunWritesItsRowPrintsItAndKeepsTheCountsOfEveryRunInTheMetricsFile) {
    const Answer first = Once({"--run-once", "--metrics", "M:\\metrics"});
    EXPECT_EQ(first.status, run_once::kFigures) << first.err;
    const std::string row = RowNow("", std::string(kFastFigures) + "," + kUsenFigures + "," + kSpeedFigures);
    EXPECT_EQ(Csv(), kResultHeader + row);
    const std::string stamp = row.substr(2, row.find(',', 2) - 2);
    EXPECT_EQ(first.out, stamp +
                             " | All Test completed | FAST 95Mbps | USEN 94.52Mbps 38.21Mbps 12.3ms 2.1ms"
                             " | SPEED 94.52Mbps 38.21Mbps 12ms\n");
    EXPECT_TRUE(Has("tidemark_download_bytes_per_second{service=\"fast\"} 11875000")) << Metrics();
    EXPECT_TRUE(Has("tidemark_upload_bytes_per_second{service=\"usen\"} 4776250")) << Metrics();
    EXPECT_TRUE(Has("tidemark_ping_seconds{service=\"speed\"} 0.012")) << Metrics();
    EXPECT_TRUE(Has("tidemark_jitter_seconds{service=\"usen\"} 0.0021")) << Metrics();
    EXPECT_FALSE(Has("tidemark_upload_bytes_per_second{service=\"fast\"} 0")) << "FAST measures no upload";
    EXPECT_TRUE(Has("tidemark_last_run_timestamp_seconds 1700000000.5")) << Metrics();
    EXPECT_TRUE(Has("tidemark_last_run_success 1")) << Metrics();
    EXPECT_TRUE(Has("tidemark_runs_total{result=\"success\"} 1")) << Metrics();

    // USEN's page does not come: a time-out row, exit 1; FAST's new figure
    // replaces the old, USEN's and SPEED's stay from the run that read them.
    sites.usen.settings.title = "USEN GATE 02";
    sites.fast.settings.shownFigure = "50";
    epoch.seconds += 1800;
    const Answer second = Once({"--run-once", "--services", "fast,usen"});
    EXPECT_EQ(second.status, run_once::kErrorRow);
    EXPECT_NE(
        second.out.find(" | Test timed out. | FAST 50Mbps | USEN Error Error Error Error | SPEED Error Error Error\n"),
        std::string::npos)
        << second.out;
    EXPECT_NE(Metrics().find("tidemark_runs_total"), std::string::npos);
    EXPECT_TRUE(Has("tidemark_runs_total{result=\"success\"} 1")) << "no folder given, nothing written";

    sim.environment.SetVariable(kMetricsVariable, "M:\\metrics");
    const Answer third = Once({"--run-once", "--services", "FAST, usen"});
    EXPECT_EQ(third.status, run_once::kErrorRow);
    EXPECT_TRUE(Has("tidemark_download_bytes_per_second{service=\"fast\"} 6250000")) << Metrics();
    EXPECT_TRUE(Has("tidemark_download_bytes_per_second{service=\"usen\"} 11815000")) << Metrics();
    EXPECT_TRUE(Has("tidemark_measurement_timestamp_seconds{service=\"usen\"} 1700000000.5")) << Metrics();
    EXPECT_TRUE(Has("tidemark_measurement_timestamp_seconds{service=\"fast\"} 1700001800.5")) << Metrics();
    EXPECT_TRUE(Has("tidemark_last_run_success 0")) << Metrics();
    EXPECT_TRUE(Has("tidemark_runs_total{result=\"success\"} 1")) << Metrics();
    EXPECT_TRUE(Has("tidemark_runs_total{result=\"timeout\"} 1")) << Metrics();

    // The overrides held for their runs only: the saved settings are untouched.
    EXPECT_FALSE(sim.settings.Get("Tidemark", "Setting", "chkSPEED").has_value());
}

TEST_F(RunOnceTest, AnotherCopyHoldingTheLockMeansExit3AndNothingWritten) {
    sim.instanceLock.SetHeldByAnother(true);
    const Answer answer = Once({"--run-once", "--metrics", "M:\\metrics"});
    EXPECT_EQ(answer.status, run_once::kAnotherRuns);
    EXPECT_EQ(answer.out, "");
    EXPECT_EQ(Csv(), "");
    EXPECT_TRUE(files.files.empty()) << "neither log nor metrics";
}

TEST_F(RunOnceTest, OptionsTheWindowWouldRefuseAreBadUsageAndRunNothing) {
    const std::vector<std::vector<std::string>> refused = {
        {"--run-once", "--services", "fast,ookla"},
        {"--run-once", "--services", ""},
        {"--run-once", "--services"},
        {"--run-once", "--file", "a/b"},
        {"--run-once", "--file", "CON"},
        {"--start", "--file", "x"},
        {"--run-once", "--start"},
        {"--run-once", "--metrics="},
        {"--run-once", "--bogus"},
    };
    for (const auto& arguments : refused) {
        const Answer answer = Once(arguments);
        EXPECT_EQ(answer.status, run_once::kBadUsage) << arguments.back() << ": " << answer.out;
        EXPECT_FALSE(answer.err.empty()) << arguments.back();
    }
    EXPECT_NE(Once({"--run-once", "--file", "a/b"}).err.find("File name contains invalid characters."),
              std::string::npos);
    // No service saved and none given: the window's Start would be disabled.
    for (const char* key : {"chkFAST", "chkUSEN", "chkSPEED"}) sim.settings.Set("Tidemark", "Setting", key, "0");
    EXPECT_EQ(Once({"--run-once"}).status, run_once::kBadUsage);
    EXPECT_EQ(Csv(), "");
    EXPECT_EQ(Once({"--run-once", "--services=speed", "--file=line"}).status, run_once::kFigures);
    EXPECT_TRUE(sim.files.FileExists(std::string(sim::SimFileSystem::kDocuments) + "\\line.csv"));
}

TEST_F(RunOnceTest, AFileHeldByAnotherProgramIsGivenUpWithoutAskingAndCountedAsSuch) {
    sim.files.AddFile(csvPath, kResultHeader);
    sim.files.HoldByOtherProgram(csvPath, true);
    const Answer answer = Once({"--run-once", "--metrics", "M:\\metrics"});
    EXPECT_EQ(answer.status, run_once::kErrorRow);
    EXPECT_EQ(answer.out, "no row | File for data seems to be in use.\n");
    EXPECT_NE(answer.err.find("File for data seems to be in use."), std::string::npos);
    EXPECT_TRUE(Has("tidemark_runs_total{result=\"file_in_use\"} 1")) << Metrics();
    EXPECT_EQ(Metrics().find("tidemark_download_bytes_per_second"), std::string::npos) << Metrics();
}

TEST_F(RunOnceTest, AMissingMetricsFolderChangesNothingButTheLogSaysSo) {
    const Answer answer = Once({"--run-once", "--metrics", "N:\\nowhere"});
    EXPECT_EQ(answer.status, run_once::kFigures);
    EXPECT_EQ(files.files.size(), 1u) << "only the run log";
    EXPECT_NE(files.Log().find(" METRICS not written to N:\\nowhere\\tidemark.prom: error 0x80070003"),
              std::string::npos)
        << files.Log();
}

}  // namespace
}  // namespace tidemark::test
