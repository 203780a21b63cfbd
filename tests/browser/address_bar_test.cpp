#include "browser/address_bar.h"

#include "browser/edge_test.h"
#include "browser/edge_windows.h"

namespace tidemark::test {
namespace {

class AddressBarTest : public EdgeTest {};

TEST_F(AddressBarTest, TypesTheAddressAsGivenFocusesAndPressesEnterSoTheTabLoadsIt) {
    edge.RegisterPage("https://fast.com/",
                      [](const sim::EdgePagePtr& page) { page->SetTitle("Internet Speed Test | Fast.com"); });
    const sim::EdgeWindowPtr opened = UserWindow({"", "https://other.example/"});
    opened->Show(opened->tabs().front());
    window = ElementOf(opened->node());

    ASSERT_TRUE(NavigateAddressBar(context, window, "  https://fast.com/ ", browserView));
    EXPECT_EQ(desktop.Record(opened->addressEdit()).setValues, std::vector<std::string>{"  https://fast.com/ "});
    EXPECT_EQ(desktop.Record(opened->node()).focusCount, 1);
    EXPECT_EQ(desktop.Record(opened->addressEdit()).focusCount, 1);
    EXPECT_EQ(sim.keyboard.events(), (std::vector<sim::KeyStroke>{{13, false}, {13, true}}));
    EXPECT_EQ(NodeOf(browserView), opened->browserView());

    // Only the selected tab goes to the page; Edge trims what was typed.
    sim.clock.Sleep(static_cast<int>(edge.options.pageDelayMs));
    EXPECT_TRUE(GetPageDocument(context, window, document, "Internet Speed Test | Fast.com", browserView));
    EXPECT_EQ(opened->tabs()[0]->item->name, "Internet Speed Test | Fast.com");
    EXPECT_EQ(opened->tabs()[1]->address, "https://other.example/");
}

TEST_F(AddressBarTest, EnterGoesNowhereWhenTheFocusIsElsewhere) {
    const sim::EdgeWindowPtr opened = UserWindow({"https://a.example/"});
    const int navigations = edge.navigationCount();
    opened->addressEdit()->value = "https://b.example/";
    uia::Ref<uia::Element> edit = ElementOf(opened->addressEdit());
    window = ElementOf(opened->node());
    edit->SetFocus();
    window->SetFocus();
    sim.keyboard.KeyEvent(13, false);
    sim.keyboard.KeyEvent(13, true);
    EXPECT_EQ(edge.navigationCount(), navigations);
}

TEST_F(AddressBarTest, FindsTheBrowserViewAgainAndGivesUpAfterASecondOnAnEnglishEdge) {
    const sim::EdgeWindowPtr opened = UserWindow({""});
    window = ElementOf(opened->node());
    ASSERT_TRUE(NavigateAddressBar(context, window, "https://a.example/", browserView));
    opened->ReplaceBrowserView();
    ASSERT_TRUE(NavigateAddressBar(context, window, "https://b.example/", browserView));
    EXPECT_EQ(NodeOf(browserView), opened->browserView());

    edge.options.english = true;
    const sim::EdgeWindowPtr english = UserWindow({""});
    window = ElementOf(english->node());
    browserView.reset();
    const double start = Now();
    EXPECT_FALSE(NavigateAddressBar(context, window, "https://fast.com/", browserView));
    const double spent = Now() - start;
    EXPECT_GT(spent, 1000);
    EXPECT_LT(spent, 1100) << "the tool-bar step's second, after the browser view is found";
    EXPECT_TRUE(desktop.Record(english->addressEdit()).setValues.empty());
}

}  // namespace
}  // namespace tidemark::test
