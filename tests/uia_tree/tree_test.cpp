// The in-memory UI Automation tree alone: no clock, no simulation.

#include "uia_tree/tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "throws_platform_error.h"
#include "uia_tree/edge_shape.h"

namespace tidemark::uia_tree {
namespace {

using namespace uia;

// Fails or empties the calls it is told to, and keeps what it saw.
class Watcher : public CallObserver {
public:
    bool BeforeCall(const CallEvent& event) override {
        seen.push_back(event.call);
        if (event.call == failing) throw PlatformError(kEFail, "watcher");
        if (event.call == Call::GetCurrentPattern) patternAsked = event.number;
        return event.call != emptied;
    }
    void AfterAction(const CallEvent& event) override {
        acted.push_back(std::string(CallName(event.call)) + " " + std::to_string(event.number) + " " +
                        std::string(event.text));
    }

    Call failing = Call::Select;
    Call emptied = Call::Select;
    std::vector<Call> seen;
    std::vector<std::string> acted;
    PatternId patternAsked = 0;
};

class TreeTest : public ::testing::Test {
protected:
    TreeTest() {
        window = tree.root()->Add({.name = "Edge", .controlType = control::Window, .className = "W", .window = true});
        pane = window->Add({.name = "Page", .className = "P"});
        ok = pane->Add({.name = "OK", .controlType = control::Button, .invoke = true});
        cancel = pane->Add({.name = "Cancel", .controlType = control::Button, .invoke = true});
        edit = pane->Add({.name = "Address", .controlType = control::Edit, .value = true});
        automation = tree.CreateAutomation();
        walker = automation->ControlViewWalker();
    }

    Ref<Condition> NameIs(const std::string& name) { return automation->CreatePropertyCondition(property::Name, name); }
    std::vector<NodePtr> All(const NodePtr& from, TreeScope scope) {
        Ref<ElementArray> found = tree.ElementFor(from)->FindAll(scope, automation->CreateTrueCondition());
        std::vector<NodePtr> nodes;
        for (std::int32_t i = 0; i < found->Length(); ++i) nodes.push_back(Tree::NodeOf(found->GetElement(i)));
        return nodes;
    }

    Tree tree;
    NodePtr window, pane, ok, cancel, edit;
    Ref<Automation> automation;
    Ref<TreeWalker> walker;
};

TEST_F(TreeTest, HandsOutCountedReferencesAndSearchesInDocumentOrder) {
    {
        Ref<Element> first = tree.ElementFor(tree.root())->FindFirst(scope::Subtree, NameIs("OK"));
        Ref<Element> second = tree.ElementFor(tree.root())->FindFirst(scope::Subtree, NameIs("OK"));
        EXPECT_NE(first, second) << "a new object for every reference, as COM hands out";
        EXPECT_EQ(Tree::NodeOf(first), ok);
        EXPECT_EQ(Tree::NodeOf(walker->GetParentElement(first)), pane);
        EXPECT_EQ(tree.live().elements, 2);
        EXPECT_EQ(tree.live().conditions, 0) << "the conditions were dropped after each search";
    }
    EXPECT_EQ(tree.live().elements, 0);
    const NodePtr nested = ok->Add({.name = "OK"});
    EXPECT_EQ(All(pane, scope::Subtree), (std::vector<NodePtr>{pane, ok, nested, cancel, edit}));
    EXPECT_EQ(All(pane, scope::Children), (std::vector<NodePtr>{ok, cancel, edit}));
    EXPECT_THROW(tree.ElementFor(pane)->FindFirst(-9, NameIs("OK")), PlatformError) << "no tree scope";
}

TEST_F(TreeTest, AHiddenNodeIsNotThereUntilShownAgainAsTheSameElement) {
    Ref<Element> paneElement = tree.ElementFor(pane);
    Ref<Element> okElement = tree.ElementFor(ok);
    const std::vector<std::int32_t> runtimeId = okElement->GetRuntimeId();

    cancel->SetShown(false);
    EXPECT_EQ(All(pane, scope::Children), (std::vector<NodePtr>{ok, edit}));
    EXPECT_EQ(Tree::NodeOf(walker->GetNextSiblingElement(okElement)), edit) << "the walker steps over it";

    pane->SetShown(false);
    EXPECT_EQ(tree.ElementFor(tree.root())->FindFirst(scope::Subtree, NameIs("OK")), nullptr)
        << "nothing under a hidden node is found";
    EXPECT_THAT([&] { (void)okElement->CurrentName(); }, ThrowsPlatformError(kElementNotAvailable))
        << "a call on a node under a hidden one answered";

    pane->SetShown(true);
    cancel->SetShown(true);
    EXPECT_EQ(okElement->CurrentName(), "OK");
    EXPECT_EQ(okElement->GetRuntimeId(), runtimeId);
    EXPECT_EQ(All(pane, scope::Children), (std::vector<NodePtr>{ok, cancel, edit}));

    ok->Remove();
    EXPECT_THROW((void)okElement->CurrentName(), PlatformError);
    EXPECT_EQ(All(pane, scope::Children), (std::vector<NodePtr>{cancel, edit}));
}

TEST_F(TreeTest, ObserversSeeEveryCallAndMayFailOrEmptyIt) {
    Watcher first, second;
    tree.AddObserver(first);
    tree.AddObserver(second);
    Ref<Element> okElement = tree.ElementFor(ok);
    (void)okElement->CurrentName();
    EXPECT_EQ(first.seen, std::vector<Call>{Call::CurrentName});
    EXPECT_EQ(second.seen, std::vector<Call>{Call::CurrentName});

    first.emptied = Call::FindFirst;
    EXPECT_EQ(tree.ElementFor(pane)->FindFirst(scope::Children, NameIs("OK")), nullptr);
    EXPECT_EQ(std::count(second.seen.begin(), second.seen.end(), Call::FindFirst), 0)
        << "the call ended at the first observer";
    first.emptied = Call::Select;

    second.failing = Call::GetRuntimeId;
    EXPECT_THROW((void)okElement->GetRuntimeId(), PlatformError);
    second.failing = Call::Select;

    auto invoke = std::dynamic_pointer_cast<InvokePattern>(okElement->GetCurrentPattern(pattern::Invoke));
    ASSERT_TRUE(invoke);
    EXPECT_EQ(first.patternAsked, pattern::Invoke);
    int pressed = 0;
    ok->onInvoke = [&pressed](Node&) { ++pressed; };
    invoke->Invoke();
    auto value = std::dynamic_pointer_cast<ValuePattern>(tree.ElementFor(edit)->GetCurrentPattern(pattern::Value));
    value->SetValue("https://fast.com/");
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(edit->value, "https://fast.com/");
    EXPECT_EQ(first.acted, (std::vector<std::string>{"Invoke 0 ", "SetValue 0 https://fast.com/"}));

    ok->enabled = false;
    EXPECT_THROW(invoke->Invoke(), PlatformError);
    EXPECT_EQ(pressed, 1) << "a disabled element refuses the action";
    EXPECT_EQ(first.acted.size(), 2u) << "and the observers hear of no action";

    tree.RemoveObserver(first);
    const std::size_t seenBefore = first.seen.size();
    (void)okElement->CurrentName();
    EXPECT_EQ(first.seen.size(), seenBefore);
    EXPECT_EQ(second.seen.back(), Call::CurrentName);
    tree.RemoveObserver(second);
}

TEST_F(TreeTest, EdgeShapeShowsOnlyTheSelectedTabsContents) {
    EdgeWindowShape edge(tree, EdgeLanguage::Japanese());
    EXPECT_EQ(tree.root()->children().front(), edge.node()) << "a new window comes first";
    const EdgeTabNodes first = edge.AddTab();
    const EdgeTabNodes second = edge.AddTab();
    EXPECT_FALSE(first.contents->Present()) << "a new tab shows nothing yet";
    edge.Show(second, "https://fast.com/ja/");
    EXPECT_TRUE(second.item->selected);
    EXPECT_FALSE(first.item->selected);
    EXPECT_TRUE(second.contents->Present());
    EXPECT_FALSE(first.contents->Present());
    EXPECT_EQ(edge.addressEdit()->value, "https://fast.com/ja/");
    EXPECT_EQ(edge.addressEdit()->name, "アドレスと検索バー");

    const NodePtr document = second.contents->Add({.controlType = control::Document, .automationId = "RootWebArea"});
    const NodePtr oldView = edge.browserView();
    edge.ReplaceBrowserView();
    EXPECT_TRUE(oldView->removed());
    EXPECT_TRUE(document->Present()) << "what the old view held carries on under the new one";

    edge.RemoveTab(second);
    EXPECT_TRUE(document->removed());
    edge.Remove();
    EXPECT_FALSE(edge.open());
}

TEST(TreeSerials, RuntimeIdsStayUniqueAndNonZeroPastEveryThirtyTwoBitEdge) {
    std::set<std::vector<std::int32_t>> seen;
    for (const std::uint64_t first : {std::uint64_t{0x7FFFFFFF} - 0x10000 - 2, std::uint64_t{0x7FFFFFFF} - 2,
                                      std::uint64_t{0xFFFFFFFF} - 2, std::uint64_t{1} << 40}) {
        Tree tree(first);
        for (int i = 0; i < 6; ++i) {
            const NodePtr node = tree.root()->Add({.name = "n"});
            ASSERT_EQ(node->runtimeId.size(), 6u);
            EXPECT_GT(node->runtimeId[1], 0) << "read as a handle";
            EXPECT_GT(node->runtimeId[5], 0) << "read as an id";
            EXPECT_TRUE(seen.insert(node->runtimeId).second) << "a second node with the id of serial " << first + i;
        }
    }
}

}  // namespace
}  // namespace tidemark::uia_tree
