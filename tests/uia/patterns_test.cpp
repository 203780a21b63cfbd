#include "uia/patterns.h"

#include "sim/sim_test.h"

namespace tidemark::test {
namespace {

using namespace uia;

class Patterns : public SimTest {
protected:
    bool Fetch(const sim::NodePtr& node, bool waitEnabled = true) {
        Ref<Element> element = ElementOf(node);
        Ref<Pattern> pattern;
        const bool ok = GetElementPattern(context, element, pattern, property::IsInvokePatternAvailable,
                                          pattern::Invoke, waitEnabled);
        EXPECT_EQ(ok, pattern != nullptr);
        return ok && dynamic_cast<InvokePattern*>(pattern.get()) != nullptr;
    }
};

TEST_F(Patterns, WaitsForTheEnabledStateAndForALatePattern) {
    Window w = AddWindow();
    EXPECT_TRUE(Fetch(w.ok));
    EXPECT_EQ(Now(), 0);

    w.ok->enabled = false;
    desktop.After(300, [&] { w.ok->enabled = true; });
    EXPECT_TRUE(Fetch(w.ok));
    EXPECT_NEAR(Now(), 300, 11);

    double start = Now();
    w.ok->enabled = false;
    EXPECT_FALSE(Fetch(w.ok));
    EXPECT_NEAR(Now() - start, 1000, 11);
    EXPECT_TRUE(Fetch(w.ok, false));  // without the wait, a disabled element gives its pattern
    w.ok->enabled = true;

    start = Now();
    desktop.WithholdPattern(w.ok, pattern::Invoke, 200);
    EXPECT_TRUE(Fetch(w.ok));
    EXPECT_NEAR(Now() - start, 200, 11);

    start = Now();
    desktop.WithholdPattern(w.ok, pattern::Invoke, sim::kForever);
    EXPECT_FALSE(Fetch(w.ok));
    EXPECT_NEAR(Now() - start, 1000, 11);
}

TEST_F(Patterns, RefusesAnElementWithoutThePatternAndLetsPropertyErrorsThrough) {
    Window w = AddWindow();
    desktop.ResetCallCounts();
    EXPECT_FALSE(Fetch(w.pane));
    EXPECT_EQ(desktop.calls(sim::Call::GetCurrentPattern), 0);
    EXPECT_EQ(Now(), 0);

    desktop.StopAnswering(w.pane);
    EXPECT_FALSE(Fetch(w.pane));
    EXPECT_NEAR(Now(), 1000, 11);

    desktop.Fail(sim::Call::GetCurrentPropertyValue, kEFail, 1);
    EXPECT_THROW(Fetch(w.ok), PlatformError);
    desktop.Fail(sim::Call::GetCurrentPattern, kEFail, 1);
    EXPECT_THROW(Fetch(w.ok), PlatformError);
}

}  // namespace
}  // namespace tidemark::test
