#include "uia/walk.h"

#include "sim/sim_test.h"

namespace tidemark::test {
namespace {

using namespace uia;

class Walk : public SimTest {
protected:
    sim::NodePtr Step(const sim::NodePtr& from, std::int16_t direction, std::int16_t count = 0) {
        Ref<Element> start = ElementOf(from);
        Ref<Element> result;
        const bool ok = WalkElement(context, result, start, direction, count);
        EXPECT_EQ(ok, result != nullptr);
        EXPECT_EQ(NodeOf(start), from);
        return NodeOf(result);
    }
};

TEST_F(Walk, StepsEachWayInTheControlView) {
    Window w = AddWindow();
    EXPECT_EQ(Step(w.ok, direction::Parent), w.pane);
    EXPECT_EQ(Step(w.cancel, direction::PreviousSibling), w.ok);
    EXPECT_EQ(Step(w.pane, direction::FirstChild), w.ok);
    EXPECT_EQ(Step(w.pane, direction::LastChild), w.help);
    EXPECT_EQ(Step(w.ok, direction::NextSibling, 0), w.cancel);
    EXPECT_EQ(Step(w.ok, direction::NextSibling, -4), w.cancel);
    EXPECT_EQ(Step(w.ok, direction::NextSibling, 2), w.help);
    EXPECT_LE(Now(), 70);

    // A child that shows up late is waited for, up to a second.
    const sim::NodePtr late = w.help->Add({.name = "icon"});
    desktop.AppearAfter(late, 200);
    const double start = Now();
    EXPECT_EQ(Step(w.help, direction::FirstChild), late);
    EXPECT_NEAR(Now() - start, 200, 11);
}

TEST_F(Walk, FailsAtOnceWhenCountedSiblingsRunOutAndOtherwiseAfterASecond) {
    Window w = AddWindow();
    double start = Now();
    Ref<Element> ok = ElementOf(w.ok);
    Ref<Element> result;
    EXPECT_FALSE(WalkElement(context, result, ok, direction::NextSibling, 3));  // only two follow
    EXPECT_NEAR(Now() - start, 10, 1);
    EXPECT_EQ(NodeOf(result), w.help);  // as far as it got

    for (std::int16_t direction : {direction::NextSibling, std::int16_t{9}}) {
        start = Now();
        EXPECT_EQ(Step(w.help, direction), nullptr);
        EXPECT_NEAR(Now() - start, 1000, 11);
    }

    desktop.StopAnswering(w.ok);
    start = Now();
    desktop.ResetCallCounts();
    EXPECT_EQ(Step(w.ok, direction::Parent), nullptr);
    EXPECT_EQ(desktop.calls(sim::Call::GetParentElement), 0);
    EXPECT_NEAR(Now() - start, 1000, 11);
    desktop.AnswerAgain(w.ok);

    // A walker step that fails after the liveness check: the error reaches the caller.
    desktop.Fail(sim::Call::GetNextSiblingElement, kElementNotAvailable, 1);
    EXPECT_THROW(Step(w.ok, direction::NextSibling), PlatformError);
}

}  // namespace
}  // namespace tidemark::test
