#include "uia/search.h"

#include "sim/sim_test.h"
#include "throws_platform_error.h"

namespace tidemark::test {
namespace {

using namespace uia;

class Search : public SimTest {
protected:
    static bool FindByNameIn(Context& in, Ref<Element>& found, Ref<Element>& parent) {
        return WaitFindElement(in, found, "OK", 0, "", "", "", scope::Subtree, parent, 100, false);
    }
    bool FindByName(Ref<Element>& found, const std::string& name, Ref<Element>& parent, double timeoutMs,
                    bool checkParent = false) {
        return WaitFindElement(context, found, name, 0, "", "", "", scope::Subtree, parent, timeoutMs, checkParent);
    }
};

TEST_F(Search, WaitsForAnElementThatAppearsAndGivesUpOnOneThatNever) {
    Window w = AddWindow();
    Ref<Element> window = ElementOf(w.window);
    const sim::NodePtr late = w.pane->Add({.name = "Start", .controlType = control::Button});
    desktop.AppearAfter(late, 300);

    Ref<Element> found;
    EXPECT_TRUE(FindByName(found, "Start", window, 1000));
    EXPECT_EQ(NodeOf(found), late);
    EXPECT_GE(Now(), 300);
    EXPECT_LE(Now(), 320);

    const double start = Now();
    const int passesBefore = sim.pump.passCount();
    desktop.ResetCallCounts();
    EXPECT_FALSE(FindByName(found, "Never", window, 1000));
    EXPECT_FALSE(found);
    EXPECT_GE(Now() - start, 1000);
    EXPECT_LE(Now() - start, 1020);
    EXPECT_NEAR(static_cast<double>(desktop.calls(sim::Call::FindFirst)), 100, 1);
    // Every pass sleeps 10 ms, lets the window handle its messages, then searches.
    EXPECT_EQ(sim.pump.passCount() - passesBefore, desktop.calls(sim::Call::FindFirst));
}

TEST_F(Search, TakesEFailAsNotYetAndAnyOtherCodeAsTheEnd) {
    Window w = AddWindow();
    Ref<Element> window = ElementOf(w.window);
    Ref<Element> found;

    desktop.Fail(sim::Call::FindFirst, kEFail, 5);
    EXPECT_TRUE(FindByName(found, "OK", window, 1000));
    EXPECT_EQ(desktop.calls(sim::Call::FindFirst), 6);
    EXPECT_NEAR(Now(), 60, 1);

    const double start = Now();
    desktop.Fail(sim::Call::FindFirst, kEAccessDenied, 1);
    EXPECT_FALSE(FindByName(found, "OK", window, 1000));
    EXPECT_NEAR(Now() - start, 10, 1);
    EXPECT_EQ(desktop.calls(sim::Call::FindFirst), 7);

    // A zero limit searches nothing.
    EXPECT_FALSE(FindByName(found, "OK", window, 0));
    EXPECT_EQ(desktop.calls(sim::Call::FindFirst), 7);
}

TEST_F(Search, ChecksThatTheParentAnswersAndToleratesEmptyOrSharedReferences) {
    Window w = AddWindow();
    Ref<Element> pane = ElementOf(w.pane);
    Ref<Element> found;

    desktop.StopAnswering(w.pane);
    EXPECT_FALSE(FindByName(found, "OK", pane, 1000, true));
    EXPECT_EQ(desktop.calls(sim::Call::FindFirst), 0);
    EXPECT_NEAR(Now(), 1000, 11);
    desktop.AnswerAgain(w.pane);

    Ref<Element> none;
    EXPECT_FALSE(FindByName(found, "OK", none, 1000));

    // The reference searched under may be the one that receives the result.
    Ref<Element> view = ElementOf(w.window);
    EXPECT_TRUE(WaitFindElement(context, view, "", 0, "", "", "BrowserView", scope::Children, view, 1000, true));
    EXPECT_EQ(NodeOf(view), w.pane);

    // Found, but gone before the final check: false with the element still held.
    desktop.Fail(sim::Call::CurrentName, kElementNotAvailable, sim::Desktop::kAlways, w.ok);
    EXPECT_FALSE(FindByName(found, "OK", pane, 1000));
    EXPECT_EQ(NodeOf(found), w.ok);
    desktop.ClearFaults();
}

TEST_F(Search, ErrorsOutsideTheRecordedSearchPropagate) {
    Window w = AddWindow();
    Ref<Element> window = ElementOf(w.window);
    Ref<Element> found;
    desktop.Fail(sim::Call::CreatePropertyConditionEx, kEAccessDenied, 1);
    EXPECT_THAT([&] { FindByName(found, "OK", window, 1000); }, ThrowsPlatformError(kEAccessDenied));
    Ref<ElementArray> all;
    desktop.Fail(sim::Call::CreateTrueCondition, kEFail, 1);
    EXPECT_THROW(WaitFindElements(context, all, "", 0, "", "", "", scope::Children, window, 10), PlatformError);

    // Before start-up has made the automation object there is nothing to build a condition with.
    Context unstarted(sim.platform());
    EXPECT_THROW(FindByNameIn(unstarted, found, window), PlatformError);
}

TEST_F(Search, FindsAllMatchesOrAnEmptyArrayAndSkipsADeadParent) {
    Window w = AddWindow();
    Ref<Element> window = ElementOf(w.window);
    Ref<ElementArray> buttons;

    EXPECT_TRUE(WaitFindElements(context, buttons, "", control::Button, "", "", "Btn", scope::Subtree, window, 1000));
    ASSERT_EQ(buttons->Length(), 2);
    EXPECT_EQ(NodeOf(buttons->GetElement(0)), w.ok);
    EXPECT_EQ(NodeOf(buttons->GetElement(1)), w.cancel);

    // No criterion: every child.
    Ref<Element> pane = ElementOf(w.pane);
    EXPECT_TRUE(WaitFindElements(context, buttons, "", 0, "  ", "", "", scope::Children, pane, 10));
    EXPECT_EQ(buttons->Length(), 3);

    // No match: true with an empty array once the limit has passed.
    const double start = Now();
    EXPECT_TRUE(WaitFindElements(context, buttons, "Nothing", 0, "", "", "", scope::Subtree, window, 100));
    ASSERT_TRUE(buttons);
    EXPECT_EQ(buttons->Length(), 0);
    EXPECT_GT(Now() - start, 100);
    EXPECT_LE(Now() - start, 120);

    // A parent that does not answer: false, and no search made.
    desktop.ResetCallCounts();
    desktop.StopAnswering(w.window);
    EXPECT_FALSE(WaitFindElements(context, buttons, "OK", 0, "", "", "", scope::Subtree, window, 1000));
    EXPECT_FALSE(buttons);
    EXPECT_EQ(desktop.calls(sim::Call::FindAll), 0);
    desktop.AnswerAgain(w.window);

    // E_FAIL polls on; another code ends the search.
    desktop.Fail(sim::Call::FindAll, kEFail, 3);
    EXPECT_TRUE(WaitFindElements(context, buttons, "OK", 0, "", "", "", scope::Subtree, window, 1000));
    EXPECT_EQ(desktop.calls(sim::Call::FindAll), 4);
    desktop.Fail(sim::Call::FindAll, kElementNotAvailable, 1);
    EXPECT_FALSE(WaitFindElements(context, buttons, "OK", 0, "", "", "", scope::Subtree, window, 1000));
}

}  // namespace
}  // namespace tidemark::test
