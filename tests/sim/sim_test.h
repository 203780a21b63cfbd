#pragma once

// The fixture every test on the simulated platform shares: the platform,
// a context with UI Automation set up, and at the end the check that no
// handed-out reference is left alive.

#include <gtest/gtest.h>

#include "common/automation_startup.h"
#include "common/context.h"
#include "sim/sim_platform.h"

namespace tidemark::test {

class SimTest : public ::testing::Test {
protected:
    SimTest() : context(sim.platform()) {}

    void SetUp() override { InitAutomation(context); }

    void TearDown() override {
        context.automation = AutomationState{};
        const sim::LiveCounts& live = desktop.live();
        EXPECT_EQ(live.total(), 0) << "left alive: " << live.elements << " elements, " << live.arrays << " arrays, "
                                   << live.conditions << " conditions, " << live.patterns << " patterns, "
                                   << live.walkers << " walkers, " << live.automations << " automation objects";
    }

    // Virtual milliseconds since the test began.
    double Now() const { return sim.clock.ElapsedMs(); }
    uia::Ref<uia::Element> ElementOf(const sim::NodePtr& node) { return desktop.ElementFor(node); }
    sim::NodePtr NodeOf(const uia::Ref<uia::Element>& element) { return sim::Desktop::NodeOf(element); }

    // An Edge-like top-level window holding a pane with three buttons.
    struct Window {
        sim::NodePtr window, pane, ok, cancel, help;
    };
    Window AddWindow() {
        Window w;
        w.window = desktop.root()->Add({.name = "Edge",
                                        .controlType = uia::control::Window,
                                        .localizedControlType = "ウィンドウ",
                                        .className = "Chrome_WidgetWin_1",
                                        .window = true});
        w.pane = w.window->Add({.name = "Page", .className = "BrowserView"});
        w.ok = w.pane->Add({.name = "OK", .controlType = uia::control::Button, .className = "Btn", .invoke = true});
        w.cancel =
            w.pane->Add({.name = "Cancel", .controlType = uia::control::Button, .className = "Btn", .invoke = true});
        w.help = w.pane->Add({.name = "Help", .controlType = uia::control::Hyperlink, .invoke = true});
        return w;
    }

    sim::SimPlatform sim;
    sim::Desktop& desktop = sim.desktop;
    Context context;
};

}  // namespace tidemark::test
