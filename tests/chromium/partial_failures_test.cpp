// What is left when a reading or an action breaks off part-way, against a
// browser played by the test.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "chromium/browser_actions.h"
#include "chromium/page_observer.h"
#include "chromium/window_tracker.h"
#include "fake_devtools_peer.h"
#include "throws_platform_error.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using namespace std::chrono_literals;
using ::testing::ElementsAre;

// Answers the requests as they come, in order, each with the next of `replies` (a result, or an
// "error" object); a null reply is never answered. Records the methods asked.
class Responder {
public:
    Responder(FakePeer& peer, std::vector<json> replies) : peer_(peer) {
        thread_ = std::thread([this, replies = std::move(replies)] {
            std::size_t next = 0;
            while (const auto request = peer_.TryNextRequest()) {
                methods_.push_back(request->at("method").get<std::string>());
                if (next >= replies.size()) continue;
                const json& reply = replies[next++];
                if (reply.is_null()) continue;
                json message = {{"id", request->at("id")}};
                message[reply.contains("error") ? "error" : "result"] =
                    reply.contains("error") ? reply.at("error") : reply;
                peer_.Send(message);
            }
        });
    }
    // The methods asked, once the client has closed its end.
    std::vector<std::string> Methods() {
        peer_.EndClient();
        if (thread_.joinable()) thread_.join();
        return methods_;
    }
    ~Responder() { Methods(); }

private:
    FakePeer& peer_;
    std::thread thread_;
    std::vector<std::string> methods_;
};

json Created(json info) { return {{"method", "Target.targetCreated"}, {"params", {{"targetInfo", std::move(info)}}}}; }

TEST(PartialFailures, ABadEventSkipsOnlyItselfAndABrokenReadingIsAppliedAtTheNext) {
    uia_tree::Tree tree;
    FakePeer peer;
    WindowTracker tracker(tree, {});
    peer.Send(Created({{"type", "page"}, {"title", "no id"}}));
    peer.Send(Created({{"type", "page"}, {"targetId", "T1"}, {"title", "one"}, {"url", "u1"}}));
    Responder browser(peer, {json::object(),  // a window reply out of shape: the reading breaks off
                             {{"windowId", 7}},
                             {{"bounds", {{"windowState", "normal"}}}}});
    EXPECT_THAT([&] { tracker.Refresh(peer.client()); }, ThrowsPlatformError(kInvalidData));
    EXPECT_TRUE(tracker.windows().empty());
    tracker.Refresh(peer.client());
    ASSERT_EQ(tracker.windows().size(), 1u);
    ASSERT_EQ(tracker.windows()[0]->tabs.size(), 1u);
    EXPECT_EQ(tracker.windows()[0]->tabs[0]->targetId, "T1");
    EXPECT_EQ(tracker.windows()[0]->tabs[0]->edge.item->name, "one");
    EXPECT_THAT(browser.Methods(),
                ElementsAre("Browser.getWindowForTarget", "Browser.getWindowForTarget", "Browser.getWindowBounds"));
}

json Frame(const std::string& loader) { return {{"frameTree", {{"frame", {{"id", "F"}, {"loaderId", loader}}}}}}; }

TEST(PartialFailures, OneWorldPerDocumentAndNoSecondWaitOnATimedOutBrowser) {
    FakePeer peer;
    const json noToken = {{"result", {{"type", "undefined"}}}, {"exceptionDetails", {{"text", "no"}}}};
    Responder browser(peer, {Frame("L1"),
                             json::object(),
                             json::object(),
                             {{"executionContextId", 5}},
                             noToken,
                             json::object(),  // Runtime.disable
                             Frame("L1"),     // the same document: no second world
                             Frame("L2"),
                             json::object(),
                             nullptr});
    std::string tried;
    EXPECT_FALSE(InstallObserver(peer.client(), "S", tried));
    EXPECT_FALSE(InstallObserver(peer.client(), "S", tried));
    peer.client().SetTimeout(300ms);
    EXPECT_THAT([&] { InstallObserver(peer.client(), "S", tried); }, ThrowsPlatformError(kTimeout));
    EXPECT_THAT(browser.Methods(),
                ElementsAre("Page.getFrameTree", "Runtime.enable", "Runtime.addBinding", "Page.createIsolatedWorld",
                            "Runtime.evaluate", "Runtime.disable", "Page.getFrameTree", "Page.getFrameTree",
                            "Runtime.enable", "Runtime.addBinding"));
}

TEST(PartialFailures, AClickThatFailsStillReleasesItsObject) {
    FakePeer peer;
    Responder browser(peer, {{{"object", {{"objectId", "O1"}}}},
                             {{"error", {{"code", -32000}, {"message", "Node is detached"}}}},
                             json::object()});
    EXPECT_THAT([&] { ClickNode(peer.client(), "S", 42); }, ThrowsPlatformError(kEFail));
    EXPECT_THAT(browser.Methods(), ElementsAre("DOM.resolveNode", "Runtime.callFunctionOn", "Runtime.releaseObject"));
}

}  // namespace
}  // namespace tidemark::chromium
