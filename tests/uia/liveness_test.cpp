#include "uia/liveness.h"

#include "sim/sim_test.h"

namespace tidemark::test {
namespace {

using namespace uia;

class Liveness : public SimTest {};

TEST_F(Liveness, TellsAnsweringSlowAndDeadElementsApart) {
    Window w = AddWindow();
    Ref<Element> none;
    EXPECT_FALSE(IsElementAlive(context, none, 1000));
    EXPECT_EQ(Now(), 0);

    Ref<Element> ok = ElementOf(w.ok);
    EXPECT_TRUE(IsElementAlive(context, ok, 0));

    desktop.StopAnswering(w.ok, kElementNotAvailable, 200);
    EXPECT_TRUE(IsElementAlive(context, ok, 1000));
    EXPECT_NEAR(Now(), 200, 11);

    double start = Now();
    desktop.StopAnswering(w.ok, kEFail);
    EXPECT_FALSE(IsElementAlive(context, ok, 1000));
    EXPECT_NEAR(Now() - start, 1000, 11);

    // A message handler that drops the caller's reference mid-wait: the check goes on with the element it was given.
    desktop.StopAnswering(w.ok, kElementNotAvailable, 100);
    const auto hook = sim.pump.OnEachPass([&] { ok.reset(); });
    EXPECT_TRUE(IsElementAlive(context, ok, 1000));
    EXPECT_FALSE(ok);
    sim.pump.Remove(hook);

    start = Now();
    w.cancel->Remove();
    Ref<Element> cancel = ElementOf(w.cancel);
    EXPECT_FALSE(IsElementAlive(context, cancel, 50));
    EXPECT_NEAR(Now() - start, 50, 11);
}

TEST_F(Liveness, JudgesAnArrayByItsFirstElement) {
    Window w = AddWindow();
    Ref<ElementArray> none;
    EXPECT_FALSE(IsElementAlive(context, none, 1000));

    Ref<Condition> nothing = context.automation.automation->CreatePropertyCondition(property::Name, std::string("?"));
    Ref<Condition> buttons =
        context.automation.automation->CreatePropertyCondition(property::ClassName, std::string("Btn"));
    Ref<Element> pane = ElementOf(w.pane);
    Ref<ElementArray> empty = pane->FindAll(scope::Children, nothing);
    EXPECT_TRUE(IsElementAlive(context, empty, 1000));

    Ref<ElementArray> found = pane->FindAll(scope::Children, buttons);
    EXPECT_TRUE(IsElementAlive(context, found, 1000));
    desktop.StopAnswering(w.cancel);  // only the first counts
    EXPECT_TRUE(IsElementAlive(context, found, 1000));
    w.ok->Remove();
    EXPECT_FALSE(IsElementAlive(context, found, 100));

    // Every platform error is an answer of false, the array's own included.
    desktop.Fail(sim::Call::ArrayLength, kEAccessDenied, 1);
    EXPECT_FALSE(IsElementAlive(context, empty, 1000));
}

}  // namespace
}  // namespace tidemark::test
