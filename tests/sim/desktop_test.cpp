#include "sim/desktop.h"

#include "sim/sim_test.h"
#include "throws_platform_error.h"

namespace tidemark::test {
namespace {

using namespace uia;

class Desktop : public SimTest {
protected:
    Ref<Condition> NameIs(const std::string& name) {
        return context.automation.automation->CreatePropertyCondition(property::Name, name);
    }
};

TEST_F(Desktop, NodesComeGoAndFallSilentOnTheClock) {
    Window w = AddWindow();
    Ref<Element> cancel = ElementOf(w.cancel);
    Ref<Element> pane = ElementOf(w.pane);
    const sim::NodePtr late = w.pane->Insert(1, {.name = "Late"});
    desktop.AppearAfter(late, 100);
    EXPECT_EQ(NodeOf(context.automation.walker->GetPreviousSiblingElement(cancel)), w.ok);
    sim.clock.Sleep(100);
    EXPECT_EQ(NodeOf(context.automation.walker->GetPreviousSiblingElement(cancel)), late);

    desktop.StopAnswering(w.cancel, kEFail, 50);
    EXPECT_EQ(pane->FindAll(scope::Children, NameIs("Cancel"))->Length(), 1);  // found, though it does not answer
    EXPECT_THAT([&] { cancel->CurrentName(); }, ThrowsPlatformError(kEFail));
    sim.clock.Sleep(50);
    EXPECT_EQ(cancel->CurrentName(), "Cancel");

    // A removed subtree answers as a closed window's elements do.
    Ref<Element> ok = ElementOf(w.ok);
    w.pane->Remove();
    for (auto& element : {pane, ok}) {
        EXPECT_THAT([&] { element->CurrentName(); }, ThrowsPlatformError(kElementNotAvailable));
    }
    EXPECT_EQ(context.automation.walker->GetFirstChildElement(ElementOf(w.window)), nullptr);

    int changes = 0;
    desktop.After(30, [&] { ++changes; });
    Ref<Element> window = ElementOf(w.window);
    window->CurrentName();
    sim.clock.Sleep(30);
    window->CurrentName();
    window->CurrentName();
    EXPECT_EQ(changes, 1);
}

TEST_F(Desktop, FaultsHitTheChosenCallAndNodeForTheChosenNumberOfTimes) {
    Window w = AddWindow();
    Ref<Element> ok = ElementOf(w.ok);
    Ref<Element> cancel = ElementOf(w.cancel);
    desktop.Fail(sim::Call::CurrentName, kEAccessDenied, 2, w.ok);
    EXPECT_EQ(cancel->CurrentName(), "Cancel");
    EXPECT_THROW(ok->CurrentName(), PlatformError);
    EXPECT_THROW(ok->CurrentName(), PlatformError);
    EXPECT_EQ(ok->CurrentName(), "OK");
    desktop.Fail(sim::Call::GetRuntimeId);
    EXPECT_THROW(cancel->GetRuntimeId(), PlatformError);
    EXPECT_THROW(ok->GetRuntimeId(), PlatformError);
    desktop.ClearFault(sim::Call::GetRuntimeId);
    EXPECT_EQ(ok->GetRuntimeId().size(), 6u);
    desktop.AnswerNothing(sim::Call::GetFirstChildElement, 1);
    Ref<Element> pane = ElementOf(w.pane);
    EXPECT_EQ(context.automation.walker->GetFirstChildElement(pane), nullptr);
    EXPECT_NE(context.automation.walker->GetFirstChildElement(pane), nullptr);
    EXPECT_EQ(desktop.calls(sim::Call::CurrentName), 4);
}

TEST_F(Desktop, PatternsActOnTheNodeAndRefuseWhatTheElementCannotDo) {
    Window w = AddWindow();
    w.window->canMaximize = false;
    Ref<Element> window = ElementOf(w.window);
    auto pattern = std::dynamic_pointer_cast<WindowPattern>(window->GetCurrentPattern(pattern::Window));
    ASSERT_TRUE(pattern);
    pattern->SetWindowVisualState(visual_state::Minimized);
    EXPECT_EQ(std::get<std::int32_t>(window->GetCurrentPropertyValue(property::WindowVisualState)),
              visual_state::Minimized);
    EXPECT_THROW(pattern->SetWindowVisualState(visual_state::Maximized), PlatformError);
    EXPECT_EQ(desktop.Record(w.window).visualStateCalls, (std::vector<std::int32_t>{2}))
        << "a refused state took no effect";

    Ref<Element> ok = ElementOf(w.ok);
    auto invoke = std::dynamic_pointer_cast<InvokePattern>(ok->GetCurrentPattern(pattern::Invoke));
    int pressed = 0;
    w.ok->onInvoke = [&](sim::Node&) { ++pressed; };
    invoke->Invoke();
    w.ok->enabled = false;
    EXPECT_THROW(invoke->Invoke(), PlatformError);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(ok->GetCurrentPattern(pattern::Value), nullptr);
    EXPECT_EQ(ok->GetCurrentPropertyValue(property::ValueValue), PropertyValue(std::string()));

    pattern->Close();
    EXPECT_TRUE(w.window->removed());
    EXPECT_THROW(pattern->Close(), PlatformError);
    EXPECT_THROW(invoke->Invoke(), PlatformError);
}

}  // namespace
}  // namespace tidemark::test
