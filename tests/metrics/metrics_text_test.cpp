#include "metrics/metrics_text.h"

#include <gtest/gtest.h>

namespace tidemark::metrics {
namespace {

RunOutcome UsenOnly(const std::string& jitter) {
    RunOutcome outcome;
    outcome.ending = RunEnding::AllDone;
    outcome.rowWritten = true;
    outcome.usenRead = true;
    outcome.pairs[1] = {"1,234.5", "Mbps"};
    outcome.pairs[2] = {"850", "Kbps"};
    outcome.pairs[3] = {"12", "ms"};
    outcome.pairs[4] = {jitter, jitter == "Error" ? "" : "ms"};
    return outcome;
}

TEST(MetricsText, AFileIsWrittenWithHelpAndTypeAndReadBackToTheSameState) {
    MetricsState state;
    RecordRun(state, UsenOnly("0.5"), 1'765'000'000.25);
    const std::string text = FormatMetrics(state);
    EXPECT_EQ(text,
              "# HELP tidemark_download_bytes_per_second Download speed the service's page measured.\n"
              "# TYPE tidemark_download_bytes_per_second gauge\n"
              "tidemark_download_bytes_per_second{service=\"usen\"} 154312500\n"
              "# HELP tidemark_upload_bytes_per_second Upload speed the service's page measured.\n"
              "# TYPE tidemark_upload_bytes_per_second gauge\n"
              "tidemark_upload_bytes_per_second{service=\"usen\"} 106250\n"
              "# HELP tidemark_ping_seconds Ping (latency) the service's page measured.\n"
              "# TYPE tidemark_ping_seconds gauge\n"
              "tidemark_ping_seconds{service=\"usen\"} 0.012\n"
              "# HELP tidemark_jitter_seconds Jitter the service's page measured.\n"
              "# TYPE tidemark_jitter_seconds gauge\n"
              "tidemark_jitter_seconds{service=\"usen\"} 0.0005\n"
              "# HELP tidemark_measurement_timestamp_seconds When the run that read the service's figures ended.\n"
              "# TYPE tidemark_measurement_timestamp_seconds gauge\n"
              "tidemark_measurement_timestamp_seconds{service=\"usen\"} 1765000000.25\n"
              "# HELP tidemark_last_run_timestamp_seconds When the last measurement run ended.\n"
              "# TYPE tidemark_last_run_timestamp_seconds gauge\n"
              "tidemark_last_run_timestamp_seconds 1765000000.25\n"
              "# HELP tidemark_last_run_success 1 when the last run ended normally and wrote its row, else 0.\n"
              "# TYPE tidemark_last_run_success gauge\n"
              "tidemark_last_run_success 1\n"
              "# HELP tidemark_runs_total Measurement runs by how they ended.\n"
              "# TYPE tidemark_runs_total counter\n"
              "tidemark_runs_total{result=\"success\"} 1\n"
              "tidemark_runs_total{result=\"timeout\"} 0\n"
              "tidemark_runs_total{result=\"error\"} 0\n"
              "tidemark_runs_total{result=\"file_in_use\"} 0\n");
    EXPECT_EQ(FormatMetrics(ParseMetrics(text)), text);
}

TEST(MetricsText, AFigureThePageDidNotGiveIsLeftOutNotWrittenAsZero) {
    MetricsState state;
    RecordRun(state, UsenOnly("0.5"), 100);
    RecordRun(state, UsenOnly("Error"), 200);
    const std::string text = FormatMetrics(state);
    EXPECT_EQ(text.find("tidemark_jitter_seconds"), std::string::npos) << text;
    EXPECT_NE(text.find("tidemark_ping_seconds{service=\"usen\"} 0.012\n"), std::string::npos) << text;
    EXPECT_NE(text.find("tidemark_runs_total{result=\"success\"} 2\n"), std::string::npos) << text;
}

TEST(MetricsText, ReadingBackPassesOverWhatItDoesNotKnowAndKeepsCountingFromTheFile) {
    const MetricsState state = ParseMetrics(
        "# a comment\n"
        "tidemark_runs_total{result=\"error\"} 41\n"
        "tidemark_runs_total{result=\"reboot\"} 7\n"
        "tidemark_runs_total{result=\"timeout\"} -3\n"
        "tidemark_ping_seconds{service=\"ookla\"} 1\n"
        "tidemark_ping_seconds{service=\"fast\"} 1,5\n"
        "node_load1 3\n"
        "garbage\n"
        "tidemark_last_run_success 1");
    EXPECT_EQ(state.runs[kError], 41);
    EXPECT_EQ(state.runs[kTimeout], 0);
    EXPECT_TRUE(state.lastRunSucceeded);
    for (const ServiceFigures& figures : state.services) EXPECT_FALSE(figures.pingSeconds.has_value());

    MetricsState next = state;
    RunOutcome failed;
    failed.ending = RunEnding::Failed;
    failed.rowWritten = true;
    RecordRun(next, failed, 5);
    EXPECT_EQ(next.runs[kError], 42);
    EXPECT_FALSE(next.lastRunSucceeded);
}

}  // namespace
}  // namespace tidemark::metrics
