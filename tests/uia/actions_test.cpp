#include "uia/actions.h"

#include "sim/sim_test.h"
#include "uia/keyboard_input.h"
#include "uia/runtime_id.h"
#include "uia/selection.h"

namespace tidemark::test {
namespace {

using namespace uia;

class Actions : public SimTest {
protected:
    Ref<Element> none;
};

TEST_F(Actions, InvokeFindsItsTargetAndCountsAFailingPressAsMade) {
    Window w = AddWindow();
    Ref<Element> pane = ElementOf(w.pane);
    Ref<Element> button = ElementOf(w.help);  // replaced by the one found
    EXPECT_TRUE(InvokeElement(context, button, "Cancel", control::Button, "", "", "Btn", scope::Children, pane));
    EXPECT_EQ(NodeOf(button), w.cancel);
    EXPECT_EQ(desktop.Record(w.cancel).invokeCount, 1);

    desktop.Fail(sim::Call::Invoke, kEFail, 1);
    EXPECT_TRUE(InvokeElement(context, button, "", 0, "", "", "", scope::Self, none));
    EXPECT_EQ(desktop.calls(sim::Call::Invoke), 2);

    // A target not found leaves the reference empty.
    EXPECT_FALSE(InvokeElement(context, button, "Missing", 0, "", "", "", scope::Subtree, pane));
    EXPECT_FALSE(button);

    // Errors outside the press itself reach the caller.
    button = ElementOf(w.ok);
    desktop.Fail(sim::Call::GetCurrentPropertyValue, kEFail, 1);
    EXPECT_THROW(InvokeElement(context, button, "", 0, "", "", "", scope::Self, none), PlatformError);
}

TEST_F(Actions, ValuesAreSetAndReadOnlyThroughTheValuePattern) {
    Window w = AddWindow();
    const sim::NodePtr edit =
        w.pane->Add({.name = "アドレスと検索バー", .className = "OmniboxViewViews", .value = true});
    Ref<Element> pane = ElementOf(w.pane);
    Ref<Element> element;
    EXPECT_TRUE(SetElementValue(context, element, " https://fast.com ", "", 0, "", "", "OmniboxViewViews",
                                scope::Children, pane));
    EXPECT_EQ(desktop.Record(edit).setValues, std::vector<std::string>{" https://fast.com "});
    std::string value = "before";
    EXPECT_TRUE(GetValueOf(context, element, value));
    EXPECT_EQ(value, " https://fast.com ");

    desktop.Fail(sim::Call::SetValue, kEAccessDenied, 1);
    EXPECT_FALSE(SetElementValue(context, element, "x", "", 0, "", "", "", scope::Self, none));

    element = ElementOf(w.ok);
    EXPECT_FALSE(SetElementValue(context, element, "x", "", 0, "", "", "", scope::Self, none));
    EXPECT_EQ(desktop.calls(sim::Call::SetValue), 2);
    EXPECT_FALSE(GetValueOf(context, element, value));
    EXPECT_EQ(value, " https://fast.com ");
}

TEST_F(Actions, ClosingAWindowTakesItOffTheDesktop) {
    Window w = AddWindow();
    Ref<Element> window = ElementOf(w.window);
    Ref<Element> pane = ElementOf(w.pane);
    EXPECT_FALSE(CloseWindowOf(context, pane));  // no Window pattern
    desktop.Fail(sim::Call::Close, kEFail, 1);
    EXPECT_FALSE(CloseWindowOf(context, window));
    EXPECT_TRUE(CloseWindowOf(context, window));
    EXPECT_TRUE(w.window->removed());
    EXPECT_EQ(desktop.Record(w.window).closeCount, 1);
    EXPECT_FALSE(CloseWindowOf(context, window));  // gone: nothing answers
}

TEST_F(Actions, SelectingLeavesASelectedTabAloneAndBeepsWhenSelectFails) {
    const sim::NodePtr strip = desktop.root()->Add({.className = "EdgeTabContainerImpl"});
    const sim::NodePtr first = strip->Add({.name = "FAST", .controlType = control::TabItem, .selectionItem = true});
    const sim::NodePtr second = strip->Add({.name = "USEN", .controlType = control::TabItem, .selectionItem = true});
    const sim::NodePtr plain = strip->Add({.name = "new tab button", .controlType = control::Button});
    first->selected = true;
    Ref<Element> tab = ElementOf(first);
    Ref<Element> parent = ElementOf(strip);

    EXPECT_EQ(GetIsSelected(context, tab, "", 0, "", "", "", scope::Self, none), selection::Selected);
    EXPECT_TRUE(SelectElementOf(context, tab));
    EXPECT_EQ(desktop.calls(sim::Call::Select), 0);

    EXPECT_EQ(GetIsSelected(context, tab, "USEN", control::TabItem, "", "", "", scope::Children, parent),
              selection::NotSelected);
    EXPECT_TRUE(SelectElement(context, tab, "USEN", 0, "", "", "", scope::Children, parent));
    EXPECT_TRUE(second->selected);
    EXPECT_FALSE(first->selected);

    tab = ElementOf(plain);
    EXPECT_EQ(GetIsSelected(context, tab, "", 0, "", "", "", scope::Self, none), selection::Unknown);
    EXPECT_FALSE(SelectElementOf(context, tab));
    EXPECT_EQ(sim.beeper.beeps(), 0);

    tab = ElementOf(first);
    desktop.Fail(sim::Call::Select, kEFail, 1);
    EXPECT_TRUE(SelectElementOf(context, tab));
    EXPECT_EQ(sim.beeper.beeps(), 1);
    EXPECT_FALSE(first->selected);
}

TEST_F(Actions, RuntimeIdGivesPartOneAndOnRequestPartFive) {
    Window w = AddWindow();
    w.ok->runtimeId = {42, 7001, 4, 9};
    w.cancel->runtimeId = {42, 7002, 4, 9, 0, 55};
    Ref<Element> ok = ElementOf(w.ok);
    Ref<Element> cancel = ElementOf(w.cancel);
    std::int32_t extra = -1;
    EXPECT_EQ(GetElementRuntimeId(context, ok), 7001);
    EXPECT_EQ(GetElementRuntimeId(context, ok, extra), 0);
    EXPECT_EQ(extra, -1);
    EXPECT_EQ(GetElementRuntimeId(context, cancel, extra), 7002);
    EXPECT_EQ(extra, 55);
    desktop.Fail(sim::Call::GetRuntimeId, kEAccessDenied, 1);
    EXPECT_EQ(GetElementRuntimeId(context, cancel), 0);
    Ref<Element> empty;
    EXPECT_EQ(GetElementRuntimeId(context, empty), 0);
}

TEST_F(Actions, EveryActionOnAnElementThatNoLongerAnswersFailsWithinASecond) {
    Window w = AddWindow();
    w.ok->SetPattern(pattern::Value, true);
    w.ok->SetPattern(pattern::SelectionItem, true);
    w.ok->SetPattern(pattern::Window, true);
    Ref<Element> ok = ElementOf(w.ok);
    desktop.StopAnswering(w.ok);
    std::string value;
    std::int32_t extra = 0;
    const std::vector<std::function<bool()>> actions = {
        [&] { return CloseWindowOf(context, ok); },
        [&] { return InvokeElement(context, ok, "", 0, "", "", "", scope::Self, none); },
        [&] { return SetElementValue(context, ok, "x", "", 0, "", "", "", scope::Self, none); },
        [&] { return GetValueOf(context, ok, value); },
        [&] { return GetIsSelected(context, ok, "", 0, "", "", "", scope::Self, none) != selection::Unknown; },
        [&] { return SelectElementOf(context, ok); },
        [&] { return GetElementRuntimeId(context, ok, extra) != 0; },
    };
    for (const auto& action : actions) {
        const double start = Now();
        EXPECT_FALSE(action());
        EXPECT_NEAR(Now() - start, 1000, 11);
    }
    EXPECT_EQ(desktop.Record(w.ok).invokeCount + desktop.Record(w.ok).selectCount + desktop.Record(w.ok).closeCount, 0);
    EXPECT_TRUE(desktop.Record(w.ok).setValues.empty());
}

TEST_F(Actions, PressEnterSendsKeyDownThenKeyUpTenMillisecondsLater) {
    std::vector<double> times;
    sim.keyboard.onKeyEvent = [&](const sim::KeyStroke&) { times.push_back(Now()); };
    PressEnter(context);
    EXPECT_EQ(sim.keyboard.events(), (std::vector<sim::KeyStroke>{{13, false}, {13, true}}));
    EXPECT_EQ(times, (std::vector<double>{0, 10}));
    EXPECT_EQ(sim.pump.passCount(), 0);
}

}  // namespace
}  // namespace tidemark::test
