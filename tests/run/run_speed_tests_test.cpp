#include "run/run_speed_tests.h"

#include "run/run_test.h"
#include "run/run_texts.h"
#include "sites/site_table.h"

namespace tidemark::test {
namespace {

class RecordingHost : public RunHost {
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void AbortSchedule() override { ++aborts; }

    std::vector<std::string> statuses;
    int aborts = 0;
};

class RunTest : public RunTestBase {
protected:
    void Run() { RunSpeedTests(context, settings, host, window, tab); }
    const std::string& LastStatus() const { return host.statuses.back(); }

    RunSettings settings{.fast = true, .usen = true, .speed = true, .closeEdge = false, .fileName = "Tidemark"};
    RecordingHost host;
};

TEST_F(RunTest, ACleanRunWritesTheHeaderAndOneRowAndTheNextRunReusesTheWindowAndTab) {
    Run();
    const std::string firstRow = RowNow("", std::string(kFastFigures) + "," + kUsenFigures + "," + kSpeedFigures);
    EXPECT_EQ(Csv(), kResultHeader + firstRow);
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Now Testing", "FAST Test completed successfully",
                                                       "USEN Test completed successfully",
                                                       "SPEED Test completed successfully", "All Test completed"}));
    ASSERT_EQ(edge.windows().size(), 1u) << "Edge stays open";
    const sim::EdgeWindowPtr opened = edge.windows().front();
    EXPECT_EQ(NodeOf(window), opened->node());
    EXPECT_EQ(NodeOf(tab), opened->tabs().front()->item);
    EXPECT_EQ(opened->tabs().size(), 1u) << "all three pages in the one driven tab";

    // Minimised between runs: restored before FAST; and no new Edge.
    opened->node()->visualState = uia::visual_state::Minimized;
    Run();
    EXPECT_EQ(Csv(), kResultHeader + firstRow +
                         RowNow("", std::string(kFastFigures) + "," + kUsenFigures + "," + kSpeedFigures));
    EXPECT_EQ(sim.processStarter.started().size(), 1u);
    EXPECT_EQ(desktop.Record(opened->node()).visualStateCalls, std::vector<std::int32_t>{uia::visual_state::Normal});

    settings.closeEdge = true;
    Run();
    EXPECT_TRUE(edge.windows().empty()) << "closed when asked";
}

TEST_F(RunTest, ServicesNotChosenAreDashedAndAFailedFastDoesNotEndTheRun) {
    settings.fast = false;
    settings.usen = false;
    Run();
    EXPECT_EQ(Csv(), kResultHeader + RowNow("", std::string("----,----,----,----,----,") + kSpeedFigures));

    settings.fast = true;
    sites.fast.settings.speedLabel = "Your Internet speed is";  // read twice, refused twice
    Run();
    EXPECT_EQ(Csv().substr(Csv().rfind(" ,")), RowNow("", std::string("Error,----,----,----,----,") + kSpeedFigures));
    EXPECT_EQ(LastStatus(), run_text::kAllDone);
    EXPECT_EQ(sites.fast.measurements(), 1) << "the retry reads the same page again";
}

TEST_F(RunTest, UnreachablePagesEndInATimeOutWithTheLaterColumnsInError) {
    sites.fast.settings.title = "Fast.com";
    sites.usen.settings.title = "USEN GATE 02";
    Run();
    EXPECT_EQ(Csv(), kResultHeader + RowNow("Test timed out.", "Error,Error,Error,Error,Error,Error,Error,Error"));
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Now Testing", "Test timed out !!"}));
    EXPECT_TRUE(edge.windows().empty()) << "a failed run closes Edge";

    // The next run starts a new window.
    sites.fast.settings.title = sim::FastPage::kTitle;
    sites.usen.settings.title = sim::UsenPage::kTitle;
    Run();
    EXPECT_EQ(sim.processStarter.started().size(), 2u);
    EXPECT_EQ(LastStatus(), run_text::kAllDone);
}

TEST_F(RunTest, ASlowServerChoiceTimesOutAndAUsenTestFailingTwiceOrAWindowThatStaysMinimisedIsAnError) {
    sites.speed.settings.serverChoiceMs = sim::kForever;
    Run();
    EXPECT_EQ(Csv(), kResultHeader + RowNow("Test timed out.",
                                            std::string(kFastFigures) + "," + kUsenFigures + ",Error,Error,Error"));
    EXPECT_EQ(LastStatus(), run_text::kTimedOutStatus);
    EXPECT_TRUE(edge.windows().empty());

    sites.usen.settings.dashed = sim::UsenPage::Figure::Upload;
    const std::string before = Csv();
    Run();
    EXPECT_EQ(Csv(), before + RowNow("An error occurred in the test.",
                                     std::string(kFastFigures) + ",94.52Mbps,--Mbps,Error,Error,Error,Error,Error"));
    EXPECT_EQ(sites.usen.presses(), 3) << "pressed again for the retry";
    EXPECT_EQ(LastStatus(), run_text::kErrorStatus);

    // A window minimised between runs that will not come back.
    sites.usen.settings.dashed = sim::UsenPage::Figure::None;
    settings.speed = false;
    Run();
    const sim::EdgeWindowPtr opened = edge.windows().front();
    opened->node()->visualState = uia::visual_state::Minimized;
    desktop.WithholdPattern(opened->node(), uia::pattern::Window, sim::kForever);
    const std::string cleanRun = Csv();
    Run();
    // Not reached counts as not obtained, also for SPEED, which was not chosen; the
    // row is stamped before Edge, which cannot be closed either, is given up on.
    const std::string row = Csv().substr(cleanRun.size());
    EXPECT_EQ(row.substr(row.find(",An")),
              ",An error occurred in the test.,Error,Error,Error,Error,Error,Error,Error,Error\r\n");
    EXPECT_EQ(LastStatus(), run_text::kErrorStatus);
}

TEST_F(RunTest, AnEarlierTitleWaitDoesNotMakeALaterFailureATimeOut) {
    // FAST's page never shows its title, and the address bar is gone by the time USEN is typed.
    edge.RegisterPage(std::string(kSiteFAST.address), [this](const sim::EdgePagePtr& page) {
        page->SetTitle("Fast.com");
        edge.windows().front()->addressEdit()->Remove();
    });
    Run();
    EXPECT_EQ(Csv(), kResultHeader +
                         RowNow("An error occurred in the test.", "Error,Error,Error,Error,Error,Error,Error,Error"));
    EXPECT_EQ(LastStatus(), run_text::kErrorStatus);
}

TEST_F(RunTest, PlatformErrorsEndInTheErrorEndingAndNothingEscapesIt) {
    sim.processStarter.FailWith(kFileNotFound);
    Run();
    EXPECT_EQ(Csv(), kResultHeader +
                         RowNow("An error occurred in the test.", "Error,Error,Error,Error,Error,Error,Error,Error"));
    EXPECT_EQ(LastStatus(), run_text::kErrorStatus);

    // The row of the error ending cannot be written either: the status says so.
    sim.files.FailAppends(kEAccessDenied);
    EXPECT_NO_THROW(Run());
    EXPECT_NE(LastStatus().find("could not be written"), std::string::npos) << LastStatus();
    EXPECT_EQ(host.aborts, 0);
}

TEST_F(RunTest, AResultFileHeldByAnotherProgram) {
    sim.files.AddFile(csvPath, kResultHeader);
    sim.files.HoldByOtherProgram(csvPath, true);
    Run();
    EXPECT_EQ(host.aborts, 1);
    EXPECT_EQ(LastStatus(), run_text::kFileInUse);
    ASSERT_EQ(sim.messageBoxes.shown().size(), 1u);
    EXPECT_EQ(sim.messageBoxes.shown()[0].text, run_text::kFileInUse);
    EXPECT_EQ(sim.messageBoxes.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(sim.processStarter.started().size(), 0u) << "no service is visited";
    EXPECT_EQ(Csv(), kResultHeader);

    // Held when the row is due: OK asks again, and the row comes once the file is let go.
    sim.files.HoldByOtherProgram(csvPath, false);
    int asked = 0;
    sim.messageBoxes.onShow = [&](const sim::ShownMessage&) {
        if (++asked == 2) sim.files.HoldByOtherProgram(csvPath, false);
    };
    sites.speed.settings.measureMs = 1000;
    desktop.After(5'000, [this] { sim.files.HoldByOtherProgram(csvPath, true); });
    Run();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(sim.messageBoxes.shown().back().text, run_text::kFileInUseAsk);
    EXPECT_EQ(Csv(), kResultHeader + RowNow("", std::string(kFastFigures) + "," + kUsenFigures + "," + kSpeedFigures));

    // Cancel gives up the row and the schedule.
    sim.messageBoxes.onShow = nullptr;
    sim.messageBoxes.QueueAnswer(MessageAnswer::Cancel);
    desktop.After(5'000, [this] { sim.files.HoldByOtherProgram(csvPath, true); });
    const std::string before = Csv();
    Run();
    EXPECT_EQ(host.aborts, 2);
    EXPECT_EQ(LastStatus(), run_text::kFileInUse);
    sim.files.HoldByOtherProgram(csvPath, false);
    EXPECT_EQ(Csv(), before);
    EXPECT_TRUE(edge.windows().empty());
}

}  // namespace
}  // namespace tidemark::test
