#include "browser/edge_windows.h"

#include "browser/edge_test.h"

namespace tidemark::test {
namespace {

class EdgeWindowsTest : public EdgeTest {
protected:
    void SetUp() override {
        EdgeTest::SetUp();
        edge.RegisterPage("https://fast.com/",
                          [](const sim::EdgePagePtr& page) { page->SetTitle("Internet Speed Test | Fast.com"); });
    }
};

TEST_F(EdgeWindowsTest, FindsNoWindowAsAnEmptyArrayAfterTenMilliseconds) {
    desktop.root()->Add({.name = "Other", .controlType = uia::control::Window, .className = "Notepad", .window = true});
    uia::Ref<uia::ElementArray> windows;
    ASSERT_TRUE(FindEdgeWindows(context, windows));
    EXPECT_EQ(windows->Length(), 0);
    EXPECT_GE(Now(), 10);
    EXPECT_LT(Now(), 30);

    UserWindow({""});
    UserWindow({""});
    ASSERT_TRUE(FindEdgeWindows(context, windows));
    EXPECT_EQ(windows->Length(), 2);
    EXPECT_EQ(NodeOf(windows->GetElement(0)), edge.windows().front()->node()) << "the front window comes first";
}

TEST_F(EdgeWindowsTest, PageTitleIsComparedTrimmedAndCaseBlindAndTheDocumentIsReplacedEvenOnAMismatch) {
    const sim::EdgeWindowPtr opened = UserWindow({"https://fast.com/"});
    window = ElementOf(opened->node());
    const sim::NodePtr shown = opened->tabs().front()->page->document;

    EXPECT_TRUE(GetPageDocument(context, window, document, "  internet speed test | FAST.COM ", browserView));
    EXPECT_EQ(NodeOf(document), shown);
    EXPECT_EQ(NodeOf(browserView), opened->browserView()) << "found on the way";
    EXPECT_TRUE(GetPageDocument(context, window, document, "   ", browserView));

    document = ElementOf(opened->addressEdit());
    EXPECT_FALSE(GetPageDocument(context, window, document, "Internet Speed Test | Fast", browserView));
    EXPECT_EQ(NodeOf(document), shown);
}

TEST_F(EdgeWindowsTest, ABrowserViewThatWentAwayIsFoundAgain) {
    const sim::EdgeWindowPtr opened = UserWindow({"https://fast.com/"});
    window = ElementOf(opened->node());
    ASSERT_TRUE(GetBrowserView(context, window, browserView));
    opened->ReplaceBrowserView();
    EXPECT_TRUE(GetPageDocument(context, window, document, "Internet Speed Test | Fast.com", browserView));
    EXPECT_EQ(NodeOf(browserView), opened->browserView());

    // A window that stops answering is given up on after a second, the view kept.
    desktop.StopAnswering(opened->node());
    const double start = Now();
    EXPECT_FALSE(GetBrowserView(context, window, browserView));
    EXPECT_FALSE(GetPageDocument(context, window, document, "", browserView));
    EXPECT_NEAR(Now() - start, 2000, 50);
    EXPECT_EQ(NodeOf(browserView), opened->browserView());
}

TEST_F(EdgeWindowsTest, AWindowWithoutTheChainOfViewsHasNoBrowserViewOrDocument) {
    const sim::EdgeWindowPtr opened = UserWindow({"https://fast.com/"});
    window = ElementOf(opened->node());
    // A page still loading has no document yet.
    edge.options.pageDelayMs = 5000;
    edge.Navigate(opened, opened->tabs().front(), "https://fast.com/");
    EXPECT_FALSE(GetPageDocument(context, window, document, "", browserView));
    EXPECT_TRUE(browserView);
    sim.clock.Sleep(5000);
    EXPECT_TRUE(GetPageDocument(context, window, document, "Internet Speed Test | Fast.com", browserView));

    // Some other program's window of the same class.
    const sim::NodePtr stranger =
        desktop.root()->Add({.controlType = uia::control::Window, .className = "Chrome_WidgetWin_1", .window = true});
    stranger->Add({.className = "BrowserRootView"})->Add({.className = "NonClientView"});
    uia::Ref<uia::Element> other = ElementOf(stranger);
    uia::Ref<uia::Element> otherView;
    EXPECT_FALSE(GetBrowserView(context, other, otherView));
    EXPECT_FALSE(otherView);
}

}  // namespace
}  // namespace tidemark::test
