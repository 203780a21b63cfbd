#include "browser/edge_launch.h"

#include "browser/edge_test.h"
#include "throws_platform_error.h"

namespace tidemark::test {
namespace {

class LaunchEdgeTest : public EdgeTest {
protected:
    bool Launch(const std::string& url, bool& newWindow) {
        return LaunchEdge(context, url, window, browserView, tab, document, newWindow);
    }
};

TEST_F(LaunchEdgeTest, WithNoWindowOpenItOpensOneAndFillsTheWholeContext) {
    bool newWindow = false;
    ASSERT_TRUE(Launch("  https://example.org/  ", newWindow));
    EXPECT_TRUE(newWindow) << "the caller learns that a window was opened";
    EXPECT_EQ(LastStart().program, sim::SimEdge::kStandardPath);
    EXPECT_EQ(LastStart().arguments, " --new-window https://example.org/");

    ASSERT_EQ(edge.windows().size(), 1u);
    const sim::EdgeWindowPtr opened = edge.windows().front();
    EXPECT_EQ(NodeOf(window), opened->node());
    EXPECT_EQ(NodeOf(browserView), opened->browserView());
    EXPECT_EQ(NodeOf(tab), opened->tabs().back()->item);
    EXPECT_EQ(NodeOf(document), opened->tabs().back()->page->document);
    EXPECT_EQ(document->CurrentName(), "https://example.org/");
    // The window's delay, the page's, and the polls in between; well inside the limit.
    EXPECT_GE(Now(), edge.options.windowDelayMs + edge.options.pageDelayMs);
    EXPECT_LT(Now(), 3000);
}

TEST_F(LaunchEdgeTest, WithAWindowOpenItAddsATabAndTakesTheLastOne) {
    const sim::EdgeWindowPtr opened = UserWindow({"https://a.example/", "https://b.example/"});
    opened->node()->visualState = uia::visual_state::Minimized;  // restored on the way
    bool newWindow = false;
    ASSERT_TRUE(Launch("https://fast.com/", newWindow));
    EXPECT_FALSE(newWindow);
    EXPECT_EQ(LastStart().arguments, " --newtab https://fast.com/");
    ASSERT_EQ(edge.windows().size(), 1u);
    ASSERT_EQ(opened->tabs().size(), 3u);
    EXPECT_EQ(NodeOf(window), opened->node());
    EXPECT_EQ(NodeOf(tab), opened->tabs().back()->item);
    EXPECT_EQ(document->CurrentName(), "https://fast.com/");
    EXPECT_EQ(opened->node()->visualState, uia::visual_state::Normal);

    // Asked for a window, it opens one beside the first and takes the new, front one.
    newWindow = true;
    ASSERT_TRUE(Launch("", newWindow));
    EXPECT_EQ(LastStart().arguments, " --new-window ") << "an empty address leaves the option's blank last";
    ASSERT_EQ(edge.windows().size(), 2u);
    EXPECT_EQ(NodeOf(window), edge.windows().front()->node());
    EXPECT_NE(NodeOf(window), opened->node());
    EXPECT_EQ(document->CurrentName(), "新しいタブ");

    newWindow = false;
    ASSERT_TRUE(Launch("   ", newWindow));
    EXPECT_EQ(LastStart().arguments, " --newtab ");
}

TEST_F(LaunchEdgeTest, GivesUpWhenNothingNewAppearsWithinTenSeconds) {
    edge.options.windowDelayMs = sim::kForever;
    bool newWindow = false;
    EXPECT_FALSE(Launch("https://fast.com/", newWindow));
    EXPECT_GT(Now(), 10'000);
    EXPECT_LT(Now(), 10'100);
    EXPECT_FALSE(window);

    // A tab that comes too late counts no more than none.
    UserWindow({"https://a.example/"});
    edge.options.tabDelayMs = 10'500;
    newWindow = false;
    const double start = Now();
    EXPECT_FALSE(Launch("https://fast.com/", newWindow));
    EXPECT_EQ(LastStart().arguments, " --newtab https://fast.com/");
    EXPECT_GT(Now() - start, 10'000);
    EXPECT_LT(Now() - start, 10'200);
}

TEST_F(LaunchEdgeTest, GivesUpWhenThePageDocumentDoesNotShowWithinTheSameTenSeconds) {
    edge.options.pageDelayMs = sim::kForever;
    bool newWindow = false;
    EXPECT_FALSE(Launch("https://fast.com/", newWindow));
    // The window came, so the context holds it, but there is no document.
    ASSERT_EQ(edge.windows().size(), 1u);
    EXPECT_EQ(NodeOf(window), edge.windows().front()->node());
    EXPECT_FALSE(document);
    EXPECT_GT(Now(), 10'000);
    EXPECT_LT(Now(), 12'100) << "one last document search may run past the limit";
}

TEST_F(LaunchEdgeTest, FailsWithoutStartingWhenTheWindowsCannotBeSearchedAndThrowsWhenEdgeCannotStart) {
    desktop.Fail(sim::Call::FindAll, kEAccessDenied);
    bool newWindow = false;
    EXPECT_FALSE(Launch("https://fast.com/", newWindow));
    EXPECT_TRUE(sim.processStarter.started().empty());
    desktop.ClearFaults();

    // A window whose tab strip cannot be read is no place for a new tab.
    const sim::EdgeWindowPtr opened = UserWindow({"https://a.example/"});
    opened->node()->localizedControlType = "ペイン";
    EXPECT_FALSE(Launch("https://fast.com/", newWindow));
    EXPECT_TRUE(sim.processStarter.started().empty());
    opened->CloseByUser();

    sim.processStarter.FailWith(kFileNotFound);
    // A missing Edge must reach the caller.
    EXPECT_THAT([&] { Launch("https://fast.com/", newWindow); }, ThrowsPlatformError(kFileNotFound));
}

}  // namespace
}  // namespace tidemark::test
