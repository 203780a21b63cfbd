#include <gtest/gtest.h>

#include "app/form1.h"
#include "report/memory_record_files.h"
#include "run/run_test.h"

namespace tidemark::test {
namespace {

// The whole program on the simulated desktop: runs that write rows and the
// log, then the window's Report button.
class ReportButtonTest : public RunTestBase {
protected:
    void SetUp() override {
        RunTestBase::SetUp();
        context.records = &records;
        files.documents = &sim.files;
        ASSERT_EQ(form.Form_Load(), ProcessFate::KeepRunning);
    }
    void TearDown() override {
        form.elmEdgeWindow.reset();
        form.elmEdgeTab.reset();
        RunTestBase::TearDown();
    }

    Form1 form{context};
    MemoryRecordFiles files;
    RecordingViewer viewer;
    RecordServices records{files, viewer};
};

TEST_F(ReportButtonTest, ShowsTheReportOfTheCurrentFileWithTheReasonsOfItsFailedRuns) {
    // Nothing measured yet: the user is told, nothing is shown.
    form.cmdReport_Click();
    ASSERT_EQ(sim.messageBoxes.shown().size(), 1u);
    EXPECT_EQ(sim.messageBoxes.shown()[0].text, "There is no result file yet: " + csvPath);
    EXPECT_TRUE(viewer.shown.empty());

    form.cmdStart_Click();  // the first run happens inside the click
    sites.usen.settings.title = "USEN GATE 02";
    form.cmdTestNow_Click();
    form.tmrProc_Timer();
    form.cmdStop_Click();
    EXPECT_TRUE(form.cmdReport.Enabled);

    form.cmdReport_Click();
    ASSERT_EQ(viewer.shown.size(), 1u) << sim.messageBoxes.shown().back().text;
    EXPECT_EQ(viewer.shown[0], std::string(MemoryRecordFiles::kFolder) + "Tidemark.html");
    const std::string html = files.Contents(viewer.shown[0]);
    EXPECT_NE(html.find("2 runs from 2024-01-05"), std::string::npos) << html.substr(0, 2000);
    EXPECT_NE(html.find("the page&#39;s title did not show in time; page shown: &quot;USEN GATE 02&quot;"),
              std::string::npos);
    EXPECT_NE(html.find("Every line of the file was read."), std::string::npos);
    EXPECT_EQ(sim.messageBoxes.shown().size(), 1u);

    // A state folder that cannot be made: a message, no crash.
    files.failure = kEAccessDenied;
    form.cmdReport_Click();
    ASSERT_EQ(sim.messageBoxes.shown().size(), 2u);
    EXPECT_EQ(sim.messageBoxes.shown()[1].text.rfind("The report could not be made: ", 0), 0u);

    // Whatever reading the file throws is a message, and the window goes on working.
    files.failure = kSOk;
    files.readRunsOutOfMemory = true;
    form.cmdReport_Click();
    ASSERT_EQ(sim.messageBoxes.shown().size(), 3u);
    EXPECT_EQ(sim.messageBoxes.shown()[2].text.rfind("The report could not be made: ", 0), 0u);
    files.readRunsOutOfMemory = false;

    // The page's place holds something that is not a report: it stays.
    files.files[viewer.shown[0]] = "my own notes";
    form.cmdReport_Click();
    ASSERT_EQ(sim.messageBoxes.shown().size(), 4u);
    EXPECT_EQ(sim.messageBoxes.shown()[3].text,
              "The report is not written to " + viewer.shown[0] + ": that file is not a page Tidemark wrote.");
    EXPECT_EQ(files.Contents(viewer.shown[0]), "my own notes");
    files.files.erase(viewer.shown[0]);
    form.cmdReport_Click();
    EXPECT_EQ(viewer.shown.size(), 2u);
}

}  // namespace
}  // namespace tidemark::test
