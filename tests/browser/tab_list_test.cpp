#include "browser/tab_list.h"

#include "browser/edge_test.h"
#include "browser/window_state.h"

namespace tidemark::test {
namespace {

class TabListTest : public EdgeTest {
protected:
    // Five tabs, the one at position 2 selected.
    sim::EdgeWindowPtr FiveTabs() {
        const sim::EdgeWindowPtr opened = UserWindow({"https://0.example/", "https://1.example/", "https://2.example/",
                                                      "https://3.example/", "https://4.example/"});
        opened->Show(opened->tabs()[2]);
        window = ElementOf(opened->node());
        return opened;
    }

    // Reading anything of these tabs fails: a scan that reaches them throws.
    void TabsBeyondCannotBeRead(const sim::EdgeWindowPtr& opened, std::size_t from) {
        for (std::size_t i = from; i < opened->tabs().size(); ++i)
            desktop.Fail(sim::Call::GetCurrentPropertyValue, kEAccessDenied, sim::Desktop::kAlways,
                         opened->tabs()[i]->item);
    }
};

TEST_F(TabListTest, TheSelectedPositionScanStopsAtTheSelectedTab) {
    const sim::EdgeWindowPtr opened = FiveTabs();
    TabsBeyondCannotBeRead(opened, 3);
    std::int16_t selected = 99;
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView, &selected));
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(tabs->Length(), 5);

    // Without any output, no tab is read at all.
    TabsBeyondCannotBeRead(opened, 0);
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView));
    EXPECT_EQ(tabs->Length(), 5);
}

TEST_F(TabListTest, AListGetsARecordPerTabAndOnlyTheSelectedOneHasTheAddress) {
    const sim::EdgeWindowPtr opened = FiveTabs();
    opened->addressEdit()->value = "https://2.example/?typed";  // the bar shows what it holds now
    std::int16_t selected = kNoTab;
    TabInfoList records;  // never dimensioned
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView, &selected, &records));
    EXPECT_EQ(selected, 2);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        const clsTabInfo& record = *(*records)[i];
        const sim::NodePtr item = opened->tabs()[i]->item;
        EXPECT_EQ(NodeOf(record.elmTab), item);
        EXPECT_EQ(record.Title, "https://" + std::to_string(i) + ".example/");
        EXPECT_EQ(record.hTab, item->runtimeId[1]);
        EXPECT_EQ(record.hTabId, item->runtimeId[5]);
        EXPECT_EQ(record.Selected, i == 2);
        EXPECT_EQ(record.Url, i == 2 ? "https://2.example/?typed" : "");
    }

    // A list passed again is cut to the tabs there are now.
    opened->tabs()[4]->item->Remove();
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView, &selected, &records));
    EXPECT_EQ(records->size(), 4u);
}

TEST_F(TabListTest, RecordsComeOnlyWithThePositionAndASingleSlotOnlyForASelectedTab) {
    const sim::EdgeWindowPtr opened = FiveTabs();
    TabInfoList records;
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView, nullptr, &records));
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 1u) << "a list never dimensioned starts as the single position 0";
    EXPECT_FALSE(records->front());

    std::int16_t selected = kNoTab;
    TabInfoRef slot;
    TabsBeyondCannotBeRead(opened, 3);
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView, &selected, &slot));
    ASSERT_TRUE(slot);
    EXPECT_EQ(NodeOf(slot->elmTab), opened->tabs()[2]->item);
    EXPECT_EQ(slot->Url, "https://2.example/");

    desktop.ClearFaults();
    for (const sim::EdgeTabPtr& each : opened->tabs()) each->item->selected = false;
    const TabInfoRef before = slot;
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView, &selected, &slot));
    EXPECT_EQ(selected, kNoTab);
    EXPECT_EQ(slot, before) << "no selected tab leaves the slot as it was";
}

TEST_F(TabListTest, AMinimisedWindowIsRestoredAndANormalOneIsLeftAloneWithoutAPatternLookup) {
    const sim::EdgeWindowPtr opened = FiveTabs();
    const sim::NodePtr node = opened->node();
    desktop.ResetCallCounts();
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView));
    EXPECT_EQ(desktop.calls(sim::Call::GetCurrentPattern), 0);
    EXPECT_TRUE(desktop.Record(node).visualStateCalls.empty());

    node->visualState = uia::visual_state::Minimized;
    ASSERT_TRUE(GetTabList(context, window, tabs, browserView));
    EXPECT_EQ(node->visualState, uia::visual_state::Normal);
    EXPECT_EQ(desktop.Record(node).visualStateCalls, std::vector<std::int32_t>{uia::visual_state::Normal});

    // A window that does not present itself as one, or whose tab bar has other Names, has no tab list.
    node->localizedControlType = "Window";
    EXPECT_TRUE(GetTabList(context, window, tabs, browserView));
    node->localizedControlType = "window";
    EXPECT_FALSE(GetTabList(context, window, tabs, browserView));
    edge.options.english = true;
    window = ElementOf(UserWindow({""})->node());
    browserView.reset();
    EXPECT_FALSE(GetTabList(context, window, tabs, browserView));
}

TEST_F(TabListTest, WindowStatesAreSetOnlyWhereTheWindowAllowsThem) {
    const sim::EdgeWindowPtr opened = FiveTabs();
    const sim::NodePtr node = opened->node();
    node->canMaximize = false;
    EXPECT_TRUE(SetEdgeWindowState(context, window, uia::visual_state::Maximized));
    EXPECT_EQ(node->visualState, uia::visual_state::Normal);
    EXPECT_TRUE(desktop.Record(node).visualStateCalls.empty());

    EXPECT_TRUE(SetEdgeWindowState(context, window, uia::visual_state::Minimized));
    EXPECT_EQ(node->visualState, uia::visual_state::Minimized);
    node->canMinimize = false;
    node->canMaximize = true;
    EXPECT_TRUE(SetEdgeWindowState(context, window, uia::visual_state::Maximized));
    EXPECT_EQ(node->visualState, uia::visual_state::Maximized);
    EXPECT_TRUE(SetEdgeWindowState(context, window, 7));
    EXPECT_EQ(node->visualState, uia::visual_state::Maximized);

    // The browser view is no window, and a window without the pattern cannot be changed.
    browserView = ElementOf(opened->browserView());
    EXPECT_FALSE(SetEdgeWindowState(context, browserView, uia::visual_state::Normal));
    node->SetPattern(uia::pattern::Window, false);
    EXPECT_FALSE(SetEdgeWindowState(context, window, uia::visual_state::Maximized));
}

}  // namespace
}  // namespace tidemark::test
