#include "sites/fast_site.h"

#include "sim/sim_fast_page.h"
#include "sites/site_test.h"

namespace tidemark::test {
namespace {

class FastTest : public SiteTest {
protected:
    void SetUp() override {
        SiteTest::SetUp();
        fast.Register(edge);
    }

    // Opens the page and measures, from the moment the page shows.
    bool OpenAndTest() {
        if (!Open(kSiteFAST)) return false;
        measureStart = Now();
        return TestFAST(context, window, browserView, tab, document, text, unit);
    }

    sim::FastPage fast{line};
    std::string text = "before", unit = "before";
    double measureStart = 0;
};

TEST_F(FastTest, ReadsTheFigureAndUnitOnceThePageSaysItSucceeded) {
    line = sim::LineModel({.mean = {87.0, 30.0, 10.0, 1.0}, .spread = 0.0});
    ASSERT_TRUE(OpenAndTest());
    EXPECT_EQ(text, "87");
    EXPECT_EQ(unit, "Mbps");
    EXPECT_GE(Now() - measureStart, fast.settings.measureMs - 1000) << "not before the page finished";
    EXPECT_LT(Now() - measureStart, fast.settings.measureMs + 1000);

    // A window minimised on the way is restored and the title awaited again within the same limit.
    const sim::NodePtr edgeWindow = edge.windows().front()->node();
    desktop.After(3000, [edgeWindow] { edgeWindow->visualState = uia::visual_state::Minimized; });
    ASSERT_TRUE(OpenAndTest());
    EXPECT_EQ(edgeWindow->visualState, uia::visual_state::Normal);
    EXPECT_EQ(desktop.Record(edgeWindow).visualStateCalls, std::vector<std::int32_t>{uia::visual_state::Normal});
    EXPECT_LT(Now() - measureStart, fast.settings.measureMs + 1000);
}

TEST_F(FastTest, AZeroIsAFigureAndTwoHyphensAreNotButStayInTheOutputs) {
    fast.settings.shownFigure = "0";
    ASSERT_TRUE(OpenAndTest());
    EXPECT_EQ(text, "0");

    fast.settings.shownFigure = "--";
    fast.settings.unit = "Kbps";
    EXPECT_FALSE(OpenAndTest());
    EXPECT_EQ(text, "--");
    EXPECT_EQ(unit, "Kbps");
}

TEST_F(FastTest, AnotherPageOrLanguageLeavesTheOutputsAlone) {
    ASSERT_TRUE(Open(kSiteFAST));
    edge.windows().front()->tabs().front()->page->SetTitle("Internet Speed Test | Fast.com");
    const double start = Now();
    EXPECT_FALSE(TestFAST(context, window, browserView, tab, document, text, unit));
    EXPECT_EQ(Now(), start) << "a wrong page is given up on at once";

    fast.settings.speedLabel = "Your Internet speed is";
    EXPECT_FALSE(OpenAndTest());
    EXPECT_EQ(text, "before");
    EXPECT_EQ(unit, "before");

    // An empty document reference is the run's to handle.
    document.reset();
    EXPECT_THROW(TestFAST(context, window, browserView, tab, document, text, unit), PlatformError);
}

TEST_F(FastTest, GivesUpOnAMeasurementThatNeverEndsOrAPageThatIsReplaced) {
    fast.settings.neverFinishes = true;
    EXPECT_FALSE(OpenAndTest());
    EXPECT_GT(Now() - measureStart, 30'000);
    EXPECT_LT(Now() - measureStart, 31'500) << "a little over the thirty seconds";

    fast.settings.neverFinishes = false;
    fast.settings.replacedAfterMs = 4000;
    EXPECT_FALSE(OpenAndTest());
    EXPECT_LT(Now() - measureStart, 7000);
    EXPECT_EQ(text, "before");

    // So does a window that stops answering.
    fast.settings.replacedAfterMs = sim::kForever;
    const sim::NodePtr edgeWindow = edge.windows().front()->node();
    desktop.After(5000, [this, edgeWindow] { desktop.StopAnswering(edgeWindow); });
    EXPECT_FALSE(OpenAndTest());
    EXPECT_LT(Now() - measureStart, 7000);
}

}  // namespace
}  // namespace tidemark::test
