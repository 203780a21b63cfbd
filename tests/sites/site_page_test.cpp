#include "sites/site_page.h"

#include "sim/sim_fast_page.h"
#include "sites/site_test.h"

namespace tidemark::test {
namespace {

class SitePageTest : public SiteTest {
protected:
    void SetUp() override {
        SiteTest::SetUp();
        fast.Register(edge);
        edge.RegisterPage("https://other.example/", [](const sim::EdgePagePtr& page) { page->SetTitle("Other"); });
    }

    bool OpenOther(bool& timedOut) {
        return OpenSitePage(context, window, browserView, tab, document, "https://other.example/", "Other", timedOut);
    }

    sim::FastPage fast{line};
};

TEST_F(SitePageTest, AnAnsweringWindowIsNavigatedAndADeadOneReplacedByANewWindowFirst) {
    ASSERT_TRUE(Open(kSiteFAST));
    ASSERT_EQ(sim.processStarter.started().size(), 1u);
    EXPECT_EQ(LastStart().arguments, " --new-window ") << "Edge starts empty; the address is typed";
    const sim::EdgeWindowPtr first = edge.windows().front();
    EXPECT_EQ(first->tabs().front()->address, kSiteFAST.address);
    EXPECT_EQ(document->CurrentName(), kSiteFAST.title);

    bool timedOut = true;
    ASSERT_TRUE(OpenOther(timedOut));
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(sim.processStarter.started().size(), 1u) << "the held window is reused";
    ASSERT_EQ(first->tabs().size(), 1u);
    EXPECT_EQ(first->tabs().front()->address, "https://other.example/");
    EXPECT_EQ(document->CurrentName(), "Other");

    first->CloseByUser();
    ASSERT_TRUE(Open(kSiteFAST));
    EXPECT_EQ(sim.processStarter.started().size(), 2u);
    EXPECT_EQ(LastStart().arguments, " --new-window ");
    EXPECT_EQ(NodeOf(window), edge.windows().front()->node());
}

TEST_F(SitePageTest, AHeldTabThatIsGoneLeavesTheAddressToWhateverTabTheWindowShows) {
    const sim::EdgeWindowPtr opened = UserWindow({"https://a.example/", "https://b.example/"});
    window = ElementOf(opened->node());
    tab = ElementOf(opened->tabs()[0]->item);
    opened->tabs()[0]->item->Remove();
    bool timedOut = false;
    ASSERT_TRUE(OpenOther(timedOut));
    EXPECT_EQ(opened->tabs()[1]->address, "https://other.example/");
    EXPECT_TRUE(sim.processStarter.started().empty());
}

TEST_F(SitePageTest, ATitleThatIsLateOrNotExactlyTheSameTimesOutAfterThreeSeconds) {
    ASSERT_TRUE(Open(kSiteFAST));
    const std::string title(kSiteFAST.title);
    for (const auto& [titleDelayMs, shownTitle] :
         {std::pair{3500.0, title}, std::pair{0.0, title + " "},
          std::pair{0.0, std::string("インターネット回線の速度テスト | fast.com")}}) {
        fast.settings.titleDelayMs = titleDelayMs;
        fast.settings.title = shownTitle;
        bool otherTimedOut = false;
        ASSERT_TRUE(OpenOther(otherTimedOut));  // so that FAST loads afresh
        const double start = Now();
        EXPECT_FALSE(Open(kSiteFAST));
        EXPECT_TRUE(openTimedOut);
        const double spent = Now() - start;
        EXPECT_GT(spent, 3000) << shownTitle;
        EXPECT_LT(spent, 3300) << "the wait ends just after its three seconds";
    }
}

TEST_F(SitePageTest, WaitSitePageKeepsPollingWhileThereIsNoDocumentAndSetsTheFlagOnlyOnItsLimit) {
    const sim::EdgeWindowPtr opened = UserWindow({"https://other.example/"});
    window = ElementOf(opened->node());
    edge.options.pageDelayMs = 2000;
    edge.Navigate(opened, opened->tabs().front(), "https://other.example/");
    bool timedOut = true;
    const double start = Now();
    EXPECT_TRUE(WaitSitePage(context, window, browserView, document, "Other", timedOut));
    EXPECT_FALSE(timedOut);
    EXPECT_GE(Now() - start, 2000);
    EXPECT_LT(Now() - start, 2100);

    edge.options.pageDelayMs = sim::kForever;
    edge.Navigate(opened, opened->tabs().front(), "https://other.example/");
    document.reset();
    EXPECT_FALSE(WaitSitePage(context, window, browserView, document, "Other", timedOut));
    EXPECT_TRUE(timedOut);
}

TEST_F(SitePageTest, AnAddressBarThatCannotBeUsedFailsAtOnceAndLeavesTheFlagAsItWas) {
    edge.options.english = true;
    const sim::EdgeWindowPtr opened = UserWindow({""});
    window = ElementOf(opened->node());
    bool timedOut = true;
    EXPECT_FALSE(OpenOther(timedOut));
    EXPECT_TRUE(timedOut);
    EXPECT_LT(Now(), 2000 + edge.options.pageDelayMs);

    // Nor does a failed start of Edge touch it.
    opened->CloseByUser();
    edge.options.windowDelayMs = sim::kForever;
    timedOut = false;
    EXPECT_FALSE(OpenOther(timedOut));
    EXPECT_FALSE(timedOut);
}

}  // namespace
}  // namespace tidemark::test
