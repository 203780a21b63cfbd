// Chromium as the UI Automation tree shows it: element identity over the
// page's life, the reading of the browser once per poll, the window's
// actions, and a browser that goes away.

#include "chromium/chromium_browser.h"

#include <signal.h>
#include <stdlib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "browser/edge_windows.h"
#include "chromium/javascript_dialogs.h"
#include "chromium/page_snapshot.h"
#include "common/automation_startup.h"
#include "common/context.h"
#include "sim/sim_platform.h"
#include "uia_tree/automation_factory.h"
#include "throws_platform_error.h"
#include "headless_browser_test.h"
#include "remove_tree.h"

namespace tidemark::chromium {
namespace {

using namespace std::chrono_literals;
using uia::Element;
using uia::Ref;
namespace property = uia::property;

constexpr const char* kPage =
    "data:text/html;charset=utf-8,<title>before</title>"
    "<button class='go' onclick=\"document.getElementById('gone').remove(); document.title='after'\">Go</button>"
    "<p id='gone'>short-lived</p><p class='stays' aria-label='long-lived'>long-lived</p>";

// What the tree holds, for a failure's message.
std::string Outline(const uia_tree::NodePtr& node, int depth = 0) {
    std::string text =
        std::string(static_cast<std::size_t>(depth) * 2, ' ') + node->className + " '" + node->name + "'\n";
    for (const uia_tree::NodePtr& child : node->children()) text += Outline(child, depth + 1);
    return text;
}

class ChromiumBrowserTest : public HeadlessBrowserTest {
protected:
    ChromiumBrowserTest() : HeadlessBrowserTest("browser") {}

    Ref<uia::Condition> Where(uia::PropertyId id, const uia::PropertyValue& value) {
        return automation_->CreatePropertyCondition(id, value);
    }

    // Polls as the program does, a fresh reading of the browser each time, until `found` gives an element.
    Ref<Element> PollFor(const std::function<Ref<Element>()>& found) {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        for (;;) {
            browser_->NewPoll();
            try {
                if (Ref<Element> element = found()) return element;
            } catch (const PlatformError& error) {
                lastError_ = error.what();
            }
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "last error: " << lastError_ << "\n" << Outline(tree_.root());
                return nullptr;
            }
            std::this_thread::sleep_for(10ms);
        }
    }

    Ref<Element> Window() {
        return root_->FindFirst(uia::scope::Children, Where(property::ClassName, "Chrome_WidgetWin_1"));
    }

    Ref<Element> DocumentTitled(const std::string& title) {
        return PollFor([&]() -> Ref<Element> {
            const Ref<Element> document =
                root_->FindFirst(uia::scope::Subtree, Where(property::AutomationId, "RootWebArea"));
            return document && document->CurrentName() == title ? document : nullptr;
        });
    }

    std::string lastError_;
};

TEST_F(ChromiumBrowserTest, ElementsKeepTheirIdentityWhileTheirNodeLivesAndFailOnceItHasGone) {
    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kPage);
    const Ref<Element> document = DocumentTitled("before");
    ASSERT_TRUE(document);
    const Ref<Element> button =
        document->FindFirst(uia::scope::Subtree, Where(property::ControlType, uia::control::Button));
    const Ref<Element> shortLived = document->FindFirst(uia::scope::Subtree, Where(property::Name, "short-lived"));
    ASSERT_TRUE(button && shortLived);
    EXPECT_EQ(button->CurrentName(), "Go");
    EXPECT_EQ(button->CurrentClassName(), "go");
    const auto buttonId = button->GetRuntimeId();

    // A page read again gives the same elements.
    browser_->NewPoll();
    const Ref<Element> again = document->FindFirst(uia::scope::Subtree, Where(property::ClassName, "go"));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->GetRuntimeId(), buttonId);

    const auto invoke = std::dynamic_pointer_cast<uia::InvokePattern>(button->GetCurrentPattern(uia::pattern::Invoke));
    ASSERT_TRUE(invoke);
    invoke->Invoke();
    ASSERT_TRUE(DocumentTitled("after"));
    EXPECT_THAT([&] { (void)shortLived->CurrentName(); }, ThrowsPlatformError(kElementNotAvailable));
    EXPECT_THAT([&] { (void)shortLived->GetRuntimeId(); }, ThrowsPlatformError(kElementNotAvailable));
    EXPECT_EQ(button->GetRuntimeId(), buttonId) << "the button outlives the paragraph";
    EXPECT_EQ(document->FindFirst(uia::scope::Subtree, Where(property::ClassName, "stays"))->CurrentName(),
              "long-lived");
}

// A page whose script builds an open shadow root, and later one attached to a box already shown.
constexpr const char* kWatchedPage =
    "data:text/html;charset=utf-8,<title>watched</title>"
    "<p class='stays' aria-label='long-lived'>long-lived</p><div id='host'></div><div id='late'></div>"
    "<script>document.getElementById('host').attachShadow({mode: 'open'}).innerHTML ="
    " \"<p aria-label='inside'>inside</p>\";</script>";

TEST_F(ChromiumBrowserTest, AnUnchangedPageCostsNoCallAndEveryChangeOfItIsSeenWhateverItsScriptDoes) {
    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kWatchedPage);
    const Ref<Element> document = DocumentTitled("watched");
    ASSERT_TRUE(document);
    DevToolsPipe& devtools = browser_->process()->devtools();
    const nlohmann::json pages =
        devtools.Call("Target.getTargets", {{"filter", {{{"type", "page"}}}}}).at("targetInfos");
    const std::string session = AttachToPage(devtools, pages.at(0).at("targetId").get<std::string>());
    auto run = [&](const std::string& script) {
        return devtools.Call("Runtime.evaluate", {{"expression", script}, {"returnByValue", true}}, session)
            .at("result")
            .value("value", nlohmann::json());
    };

    // Once the page has settled, polls that read the window, search the page and read its elements cost no call.
    Ref<Element> window;
    std::int64_t before = 0;
    const auto settle = std::chrono::steady_clock::now() + 5s;
    do {
        browser_->NewPoll();
        before = devtools.calls();
        window = Window();
        (void)document->FindFirst(uia::scope::Subtree, Where(property::ClassName, "stays"));
    } while (devtools.calls() != before && std::chrono::steady_clock::now() < settle);
    ASSERT_TRUE(window);
    for (int poll = 0; poll < 3; ++poll) {
        browser_->NewPoll();
        (void)window->GetCurrentPropertyValue(property::WindowVisualState);
        (void)document->FindFirst(uia::scope::Subtree, Where(property::Name, "inside"));
        (void)document->CurrentName();
    }
    EXPECT_EQ(devtools.calls(), before) << "an unchanged page is not asked anything";

    // The page's own world sees nothing of the watcher.
    EXPECT_EQ(run("typeof tidemarkPageChanged + typeof tidemarkArm + Object.getOwnPropertySymbols(document).length"),
              "undefinedundefined0");

    // A class alone, a shadow root's text, and a shadow root attached later with its host then marked.
    const Ref<Element> stays = document->FindFirst(uia::scope::Subtree, Where(property::ClassName, "stays"));
    ASSERT_TRUE(stays);
    run("document.querySelector('.stays').className = 'moved'");
    EXPECT_TRUE(PollFor([&]() -> Ref<Element> { return stays->CurrentClassName() == "moved" ? stays : nullptr; }));
    EXPECT_EQ(stays->CurrentName(), "long-lived") << "the same element, read again";
    run("document.getElementById('host').shadowRoot.firstChild.setAttribute('aria-label', 'changed inside')");
    EXPECT_TRUE(
        PollFor([&] { return document->FindFirst(uia::scope::Subtree, Where(property::Name, "changed inside")); }));
    run("const late = document.getElementById('late');"
        "late.attachShadow({mode: 'open'}).innerHTML = \"<p aria-label='late'>late</p>\"; late.className = 'shown'");
    EXPECT_TRUE(PollFor([&] { return document->FindFirst(uia::scope::Subtree, Where(property::Name, "late")); }));
    run("document.getElementById('late').shadowRoot.firstChild.setAttribute('aria-label', 'later')");
    EXPECT_TRUE(PollFor([&] { return document->FindFirst(uia::scope::Subtree, Where(property::Name, "later")); }));

    // A script that takes the page's MutationObserver away and freezes its document disturbs nothing of ours.
    run("window.MutationObserver = null; Object.freeze(document); document.title = 'disturbed'");
    EXPECT_TRUE(DocumentTitled("disturbed"));

    // A new document is watched afresh.
    devtools.Call("Page.navigate",
                  {{"url", "data:text/html,<title>next</title><p class='stays' aria-label='next'>next</p>"}}, session);
    const Ref<Element> next = DocumentTitled("next");
    ASSERT_TRUE(next);
    run("document.querySelector('.stays').className = 'again'");
    EXPECT_TRUE(PollFor([&] { return next->FindFirst(uia::scope::Subtree, Where(property::ClassName, "again")); }));
    // Another client's session on the same page ending leaves ours and its watcher alone.
    devtools.Call("Target.detachFromTarget", {{"sessionId", session}});
    before = devtools.calls();
    for (int poll = 0; poll < 3; ++poll) {
        browser_->NewPoll();
        (void)next->FindFirst(uia::scope::Subtree, Where(property::ClassName, "again"));
    }
    EXPECT_EQ(devtools.calls(), before) << "the new document is watched, and by the same session";
}

TEST_F(ChromiumBrowserTest, TheAddressBarTabsAndWindowStatesDriveTheBrowser) {
    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kPage);
    const Ref<Element> first = DocumentTitled("before");
    ASSERT_TRUE(first);
    const Ref<Element> window = Window();
    const Ref<Element> edit = window->FindFirst(uia::scope::Subtree, Where(property::ClassName, "OmniboxViewViews"));
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->CurrentName(), "アドレスと検索バー");
    EXPECT_EQ(window->CurrentLocalizedControlType(), "ウィンドウ");

    std::dynamic_pointer_cast<uia::ValuePattern>(edit->GetCurrentPattern(uia::pattern::Value))
        ->SetValue("data:text/html,<title>typed</title>");
    edit->SetFocus();
    browser_->KeyEvent(0x0D, false);
    browser_->KeyEvent(0x0D, true);
    ASSERT_TRUE(DocumentTitled("typed"));
    EXPECT_THAT([&] { (void)first->CurrentName(); }, ThrowsPlatformError(kElementNotAvailable))
        << "another document took its place";

    browser_->Start("/usr/bin/chromium", " --newtab data:text/html,<title>second</title>");
    ASSERT_TRUE(DocumentTitled("second"));
    browser_->NewPoll();
    const Ref<uia::ElementArray> tabs = window->FindAll(uia::scope::Subtree, Where(property::ClassName, "EdgeTab"));
    ASSERT_EQ(tabs->Length(), 2);
    EXPECT_EQ(tabs->GetElement(0)->CurrentName(), "typed");
    EXPECT_TRUE(std::get<bool>(tabs->GetElement(1)->GetCurrentPropertyValue(property::SelectionItemIsSelected)));
    std::dynamic_pointer_cast<uia::SelectionItemPattern>(
        tabs->GetElement(0)->GetCurrentPattern(uia::pattern::SelectionItem))
        ->Select();
    ASSERT_TRUE(DocumentTitled("typed")) << "the selected tab's page is the one shown";

    DevToolsPipe& devtools = browser_->process()->devtools();
    const auto windowPattern =
        std::dynamic_pointer_cast<uia::WindowPattern>(window->GetCurrentPattern(uia::pattern::Window));
    std::string target;
    const nlohmann::json targets = devtools.Call("Target.getTargets").at("targetInfos");
    for (const auto& info : targets)
        if (info.at("type") == "page") target = info.at("targetId");
    const auto windowId = devtools.Call("Browser.getWindowForTarget", {{"targetId", target}}).at("windowId");
    auto shownState = [&] {
        return devtools.Call("Browser.getWindowBounds", {{"windowId", windowId}})
            .at("bounds")
            .at("windowState")
            .get<std::string>();
    };
    windowPattern->SetWindowVisualState(uia::visual_state::Minimized);
    EXPECT_EQ(shownState(), "minimized");
    browser_->NewPoll();
    EXPECT_EQ(std::get<std::int32_t>(window->GetCurrentPropertyValue(property::WindowVisualState)),
              uia::visual_state::Minimized);
    windowPattern->SetWindowVisualState(uia::visual_state::Normal);
    EXPECT_EQ(shownState(), "normal");

    // The user minimises and maximises the window: the watched page tells of it.
    auto userSets = [&](const char* state) {
        devtools.Call("Browser.setWindowBounds", {{"windowId", windowId}, {"bounds", {{"windowState", state}}}});
    };
    auto shows = [&](std::int32_t state) {
        return PollFor([&]() -> Ref<Element> {
            return std::get<std::int32_t>(window->GetCurrentPropertyValue(property::WindowVisualState)) == state
                       ? window
                       : nullptr;
        });
    };
    userSets("minimized");
    EXPECT_TRUE(shows(uia::visual_state::Minimized));
    userSets("normal");
    userSets("maximized");
    EXPECT_TRUE(shows(uia::visual_state::Maximized));

    windowPattern->Close();
    browser_->NewPoll();
    EXPECT_FALSE(Window());
    EXPECT_THAT([&] { (void)window->CurrentName(); }, ThrowsPlatformError(kElementNotAvailable));
}

// A layout that follows the window's width, with no script to change the DOM.
constexpr const char* kFollowingPage =
    "data:text/html;charset=utf-8,<title>following</title>"
    "<style>@media (max-width: 600px) { .wide { display: none; } }</style>"
    "<p class='wide' aria-label='wide'>wide</p><p aria-label='always'>always</p>";

TEST_F(ChromiumBrowserTest, AResizedWindowsPageIsReadAgain) {
    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kFollowingPage);
    const Ref<Element> document = DocumentTitled("following");
    ASSERT_TRUE(document);
    DevToolsPipe& devtools = browser_->process()->devtools();
    const nlohmann::json targets = devtools.Call("Target.getTargets").at("targetInfos");
    std::string target;
    for (const auto& info : targets)
        if (info.at("type") == "page") target = info.at("targetId");
    const auto windowId = devtools.Call("Browser.getWindowForTarget", {{"targetId", target}}).at("windowId");
    auto width = [&](int pixels) {
        devtools.Call("Browser.setWindowBounds", {{"windowId", windowId}, {"bounds", {{"width", pixels}}}});
    };
    width(1000);
    ASSERT_TRUE(PollFor([&] { return document->FindFirst(uia::scope::Subtree, Where(property::Name, "wide")); }));
    width(400);
    EXPECT_TRUE(PollFor([&]() -> Ref<Element> {
        return document->FindFirst(uia::scope::Subtree, Where(property::Name, "wide")) ? nullptr : document;
    })) << "the narrow window hides the wide paragraph";
    width(1000);
    EXPECT_TRUE(PollFor([&] { return document->FindFirst(uia::scope::Subtree, Where(property::Name, "wide")); }));
}

// A page that asks the user on load, when its button is pressed, and before it is left.
constexpr const char* kAskingPage =
    "data:text/html;charset=utf-8,<title>asking</title>"
    "<script>alert('on load'); document.title = 'loaded';"
    "addEventListener('beforeunload', event => { event.preventDefault(); event.returnValue = ''; });</script>"
    "<button onclick=\"document.title = 'confirm ' + confirm('sure?') + ', prompt ' + prompt('name?', 'x')\">"
    "Ask</button>";

TEST_F(ChromiumBrowserTest, EveryDialogIsAnsweredAtOnceAndToldOf) {
    std::vector<JavaScriptDialog> dialogs;
    browser_->OnDialog([&](const JavaScriptDialog& dialog) { dialogs.push_back(dialog); });
    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kAskingPage);
    const Ref<Element> document = DocumentTitled("loaded");
    ASSERT_TRUE(document) << "the alert on load was dismissed and the page went on";
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].type, "alert");
    EXPECT_EQ(dialogs[0].message, "on load");
    EXPECT_FALSE(dialogs[0].accepted);
    EXPECT_EQ(DialogLogText(dialogs[0]).substr(0, 20), "alert dismissed on d");

    // Asked mid-way, from an action of ours: the click's call comes back, and the page's script goes on.
    const Ref<Element> ask = document->FindFirst(uia::scope::Subtree, Where(property::Name, "Ask"));
    ASSERT_TRUE(ask);
    std::dynamic_pointer_cast<uia::InvokePattern>(ask->GetCurrentPattern(uia::pattern::Invoke))->Invoke();
    ASSERT_TRUE(DocumentTitled("confirm false, prompt null"));
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_EQ(dialogs[1].type, "confirm");
    EXPECT_EQ(dialogs[1].message, "sure?");
    EXPECT_EQ(dialogs[2].type, "prompt");

    // Leaving a page that asks first (it may ask only once the user has touched it) goes on.
    DevToolsPipe& devtools = browser_->process()->devtools();
    const nlohmann::json pages = devtools.Call("Target.getTargets").at("targetInfos");
    std::string target;
    for (const auto& info : pages)
        if (info.at("type") == "page") target = info.at("targetId");
    const std::string session = AttachToPage(devtools, target);
    for (const char* type : {"mousePressed", "mouseReleased"})
        devtools.Call("Input.dispatchMouseEvent",
                      {{"type", type}, {"x", 5}, {"y", 5}, {"button", "left"}, {"clickCount", 1}}, session);
    const Ref<Element> edit = Window()->FindFirst(uia::scope::Subtree, Where(property::ClassName, "OmniboxViewViews"));
    ASSERT_TRUE(edit);
    std::dynamic_pointer_cast<uia::ValuePattern>(edit->GetCurrentPattern(uia::pattern::Value))
        ->SetValue("data:text/html,<title>left</title>");
    edit->SetFocus();
    browser_->KeyEvent(0x0D, false);
    ASSERT_TRUE(DocumentTitled("left")) << "the navigation that asked went on";
    ASSERT_EQ(dialogs.size(), 4u);
    EXPECT_EQ(dialogs[3].type, "beforeunload");
    EXPECT_TRUE(dialogs[3].accepted);
}

TEST_F(ChromiumBrowserTest, ABrowserThatWentAwayTakesItsWindowsAndTheNextStartBringsANewOne) {
    EXPECT_THAT([&] { browser_->Start("/nonexistent/chromium", " --new-window "); },
                ThrowsPlatformError(kFileNotFound));
    EXPECT_THAT([&] { browser_->Start("/usr/bin/chromium", " --private about:blank"); },
                ThrowsPlatformError(kEInvalidArg));

    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kPage);
    ASSERT_TRUE(DocumentTitled("before"));
    const Ref<Element> window = Window();
    const pid_t killed = browser_->process()->pid();
    ::kill(killed, SIGKILL);
    const Ref<Element> stillThere = PollFor([&]() -> Ref<Element> { return Window() ? nullptr : root_; });
    ASSERT_TRUE(stillThere) << "the killed browser's window stayed";
    EXPECT_THAT([&] { (void)window->CurrentName(); }, ThrowsPlatformError(kElementNotAvailable));

    browser_->Start("/usr/bin/chromium", std::string(" --newtab ") + kPage);
    ASSERT_TRUE(DocumentTitled("before"));
    EXPECT_NE(browser_->process()->pid(), killed);
}

// The program's wait clock is local wall time: set back an hour (a
// daylight-saving fall-back, a time server's step) or forward, a page that
// shows stays shown.
TEST_F(ChromiumBrowserTest, AShownPageKeepsItsDocumentWhenTheClockJumpsEitherWay) {
    sim::SimPlatform services;
    uia_tree::TreeAutomationFactory automationFactory(tree_);
    Platform chromium{services.clock,           services.clock,        services.pump,         services.keyboard,
                      services.settings,        services.instanceLock, services.messageBoxes, *browser_,
                      services.browserLocation, services.windowOrder,  services.beeper,       services.environment,
                      services.locale,          automationFactory,     services.files,        services.specialFolders};
    Context context(chromium);
    InitAutomation(context);

    browser_->Start("/usr/bin/chromium", std::string(" --new-window ") + kPage);
    ASSERT_TRUE(DocumentTitled("before"));
    Ref<Element> window = Window();
    Ref<Element> browserView;
    Ref<Element> document;
    for (const double jumpMs : {0.0, -3'600'000.0, 2 * 3'600'000.0}) {
        services.clock.Advance(jumpMs);
        browser_->NewPoll();
        document.reset();
        EXPECT_TRUE(GetPageDocument(context, window, document, "before", browserView)) << "after a jump of " << jumpMs;
        ASSERT_TRUE(document);
        EXPECT_EQ(document->CurrentName(), "before");
    }
}

}  // namespace
}  // namespace tidemark::chromium
