#include "sites/usen_site.h"

#include <array>

#include "sim/sim_usen_page.h"
#include "sites/site_test.h"

namespace tidemark::test {
namespace {

using Figure = sim::UsenPage::Figure;
// Download, upload, ping and jitter, each figure then unit.
using Texts = std::array<std::string, 8>;

class UsenTest : public SiteTest {
protected:
    void SetUp() override {
        SiteTest::SetUp();
        usen.Register(edge);
        line = sim::LineModel({.mean = {94.52, 38.2, 12.3, 2.1}, .spread = 0.0});
    }

    bool Measure() {
        return TestUSEN(context, window, browserView, tab, document, out[0], out[1], out[2], out[3], out[4], out[5],
                        out[6], out[7]);
    }
    bool OpenAndMeasure() { return Open(kSiteUSEN) && Measure(); }
    // Milliseconds since the start link was last pressed.
    double SincePress() const { return desktop.NowMs() - usen.lastPressMs(); }
    sim::NodePtr EdgeWindow() const { return edge.windows().front()->node(); }

    sim::UsenPage usen{line};
    const Texts untouched{"b0", "b1", "b2", "b3", "b4", "b5", "b6", "b7"};
    Texts out = untouched;
};

TEST_F(UsenTest, ReadsTheFourFiguresAsShownAndMeasuresAfreshOnEveryCall) {
    ASSERT_TRUE(OpenAndMeasure());
    EXPECT_EQ(out, (Texts{"94.52", "Mbps", "38.20", "Mbps", "12.3", "ms", "2.1", "ms"}));
    EXPECT_GE(SincePress(), usen.settings.measureMs) << "not before the abort link went";
    EXPECT_LT(SincePress(), usen.settings.measureMs + 500);

    // A second call, as the retry makes, presses start again on the finished page and reads only the new figures.
    line = sim::LineModel({.mean = {120.05, 40.5, 8.0, 0.7}, .spread = 0.0});
    ASSERT_TRUE(Measure());
    EXPECT_EQ(out, (Texts{"120.05", "Mbps", "40.50", "Mbps", "8.0", "ms", "0.7", "ms"}));
    EXPECT_EQ(usen.presses(), 2);
    EXPECT_EQ(usen.measurements(), 2);
}

TEST_F(UsenTest, PingAndJitterWithoutFractionTakeTheSecondSiblingAsUnit) {
    usen.settings.withoutFraction = {Figure::Ping, Figure::Jitter};
    // The jitter's third sibling is whatever follows the unit; it must be there, and is not read.
    ASSERT_TRUE(OpenAndMeasure());
    EXPECT_EQ(out, (Texts{"94.52", "Mbps", "38.20", "Mbps", "12", "ms", "2", "ms"}));
}

TEST_F(UsenTest, AFigureThatIsNotNumericFailsAndKeepsWhatWasReadUpToIt) {
    // Without its fraction the download's unit joins the figure, and the next label becomes the unit.
    usen.settings.withoutFraction = {Figure::Download};
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_EQ(out, (Texts{"94Mbps", "UPLOAD", "b2", "b3", "b4", "b5", "b6", "b7"}));

    out = untouched;
    usen.settings.withoutFraction = {};
    usen.settings.dashed = Figure::Upload;
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_EQ(out, (Texts{"94.52", "Mbps", "--", "Mbps", "b4", "b5", "b6", "b7"}));
}

TEST_F(UsenTest, AWrongPageAStartLinkThatCannotBePressedOrOtherLabelsFail) {
    usen.settings.title = "USEN GATE 02 | インターネット回線スピードテスト";
    EXPECT_FALSE(Open(kSiteUSEN));
    const double start = Now();
    EXPECT_FALSE(Measure());
    EXPECT_EQ(Now(), start) << "a wrong page is given up on at once";
    EXPECT_EQ(usen.presses(), 0);

    usen.settings.title = sim::UsenPage::kTitle;
    usen.settings.startInvokable = false;
    EXPECT_FALSE(OpenAndMeasure());
    usen.settings.startInvokable = true;
    usen.settings.startEnabled = false;
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_EQ(usen.presses(), 0);

    usen.settings.startEnabled = true;
    usen.settings.labels = {"ダウンロード", "アップロード", "応答時間", "ゆらぎ"};
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_EQ(usen.measurements(), 1);
    EXPECT_EQ(out, untouched);

    // An empty document reference is the run's to handle.
    document.reset();
    EXPECT_THROW(Measure(), PlatformError);
    EXPECT_EQ(out, untouched);
}

TEST_F(UsenTest, TheAbortLinkMustShowWithinAboutTwoHundredMsAndGoWithinThirtySeconds) {
    // 100 ms pause and a 100 ms search after the press.
    usen.settings.abortLinkDelayMs = 190;
    ASSERT_TRUE(OpenAndMeasure());
    usen.settings.abortLinkDelayMs = 250;
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_LT(SincePress(), 300);
    EXPECT_EQ(out[0], "94.52") << "from the measurement before";

    // Thirty seconds counted from when the abort link was found, not from the call or the press.
    usen.settings.abortLinkDelayMs = 190;
    usen.settings.neverFinishes = true;
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_GT(SincePress(), 30'190);
    EXPECT_LT(SincePress(), 30'400);

    // A minimised window is restored on the way, and the same limit still holds.
    const sim::NodePtr edgeWindow = EdgeWindow();
    desktop.After(20'000, [edgeWindow] { edgeWindow->visualState = uia::visual_state::Minimized; });
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_EQ(edgeWindow->visualState, uia::visual_state::Normal);
    EXPECT_GT(SincePress(), 30'190);
    EXPECT_LT(SincePress(), 30'400);
}

TEST_F(UsenTest, AWindowMinimisedOnTheWayIsRestoredAndTheFiguresStillRead) {
    ASSERT_TRUE(Open(kSiteUSEN));
    const sim::NodePtr edgeWindow = EdgeWindow();
    desktop.After(5000, [edgeWindow] { edgeWindow->visualState = uia::visual_state::Minimized; });
    ASSERT_TRUE(Measure());
    EXPECT_EQ(edgeWindow->visualState, uia::visual_state::Normal);
    EXPECT_EQ(desktop.Record(edgeWindow).visualStateCalls, std::vector<std::int32_t>{uia::visual_state::Normal});
    EXPECT_EQ(out, (Texts{"94.52", "Mbps", "38.20", "Mbps", "12.3", "ms", "2.1", "ms"}));
    EXPECT_LT(SincePress(), usen.settings.measureMs + 500);
}

TEST_F(UsenTest, APageReplacedOrAWindowGoneMidMeasurementFailsLongBeforeTheLimit) {
    // The replaced document hides the abort link, which reads as finished; its labels are not there either.
    usen.settings.replacedAfterMs = 5000;
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_GT(SincePress(), 5000);
    EXPECT_LT(SincePress(), 8000);
    EXPECT_EQ(out, untouched);

    usen.settings.replacedAfterMs = sim::kForever;
    const sim::NodePtr edgeWindow = EdgeWindow();
    desktop.After(5000, [this, edgeWindow] { desktop.StopAnswering(edgeWindow); });
    EXPECT_FALSE(OpenAndMeasure());
    EXPECT_LT(SincePress(), 7000);
    EXPECT_EQ(out, untouched);
}

}  // namespace
}  // namespace tidemark::test
