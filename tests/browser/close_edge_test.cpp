#include "browser/close_edge.h"

#include "browser/edge_test.h"

namespace tidemark::test {
namespace {

class CloseEdgeTest : public EdgeTest {
protected:
    // Three windows, each recording its closing in `closed` by its position, front first.
    std::vector<sim::EdgeWindowPtr> ThreeWindows() {
        for (int i = 0; i < 3; ++i) UserWindow({""});
        std::vector<sim::EdgeWindowPtr> open = edge.windows();
        for (std::size_t i = 0; i < open.size(); ++i)
            open[i]->node()->onClose = [this, i](sim::Node&) { closed.push_back(static_cast<int>(i)); };
        return open;
    }

    std::vector<int> closed;
};

TEST_F(CloseEdgeTest, AGivenWindowIsClosedOnlyWhenItAnswersWithinTenMilliseconds) {
    const std::vector<sim::EdgeWindowPtr> open = ThreeWindows();
    window = ElementOf(open[1]->node());
    desktop.StopAnswering(open[1]->node(), kElementNotAvailable, 30);
    const double start = Now();
    EXPECT_FALSE(CloseEdge(context, window));
    EXPECT_LT(Now() - start, 30);
    EXPECT_TRUE(open[1]->open());

    sim.clock.Sleep(30);
    EXPECT_TRUE(CloseEdge(context, window));
    EXPECT_FALSE(open[1]->open());
    EXPECT_EQ(closed, std::vector<int>{1});
    EXPECT_EQ(edge.windows().size(), 2u);
}

TEST_F(CloseEdgeTest, AllWindowsCloseFromTheLastDownAndStopAtOneThatCannotBeClosed) {
    std::vector<sim::EdgeWindowPtr> open = ThreeWindows();
    open[1]->RefuseClose();
    EXPECT_FALSE(CloseEdge(context));
    EXPECT_EQ(closed, std::vector<int>{2});
    EXPECT_TRUE(open[0]->open()) << "the ones before it stay open";
    EXPECT_TRUE(open[1]->open());

    desktop.ClearFaults();
    closed.clear();
    EXPECT_TRUE(CloseEdge(context));
    EXPECT_EQ(closed, (std::vector<int>{1, 0}));
    EXPECT_TRUE(edge.windows().empty());

    EXPECT_TRUE(CloseEdge(context)) << "with none open there is nothing to fail";
}

}  // namespace
}  // namespace tidemark::test
