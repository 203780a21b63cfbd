#include "chromium/devtools_pipe.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "fake_devtools_peer.h"
#include "throws_platform_error.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;
using namespace std::chrono_literals;
using ::testing::AllOf;
using ::testing::HasSubstr;

json Event(const std::string& method) { return {{"method", method}, {"params", {{"n", method}}}}; }

TEST(DevToolsPipe, ReturnsTheReplyWithItsIdAndKeepsEveryEventInOrder) {
    FakePeer peer;
    peer.Send(Event("Target.targetCreated"));
    peer.Send({{"id", 99}, {"result", {{"product", "stale"}}}});
    peer.Send(Event("Page.loadEventFired"));
    peer.Send({{"id", 1}, {"result", {{"product", "Chrome/156"}}}});
    peer.Send(Event("Target.targetDestroyed"));

    EXPECT_EQ(peer.client().Call("Browser.getVersion"), (json{{"product", "Chrome/156"}}));
    EXPECT_EQ(peer.NextRequest(), (json{{"id", 1}, {"method", "Browser.getVersion"}, {"params", json::object()}}));
    const auto events = peer.client().TakeEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], Event("Target.targetCreated"));
    EXPECT_EQ(events[1], Event("Page.loadEventFired"));
    EXPECT_TRUE(peer.client().TakeEvents().empty());

    // The event read ahead of the first reply is delivered with the second.
    peer.Send({{"id", 2}, {"sessionId", "S1"}});
    EXPECT_EQ(peer.client().Call("Page.navigate", {{"url", "about:blank"}}, "S1"), json::object());
    EXPECT_EQ(
        peer.NextRequest(),
        (json{{"id", 2}, {"method", "Page.navigate"}, {"params", {{"url", "about:blank"}}}, {"sessionId", "S1"}}));
    const auto later = peer.client().TakeEvents();
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(later[0], Event("Target.targetDestroyed"));
}

TEST(DevToolsPipe, ReplyLongerThanOneReadArrivesWhole) {
    FakePeer peer;
    peer.GrowReplyPipe(1 << 20);
    const std::string big(700 * 1024, 'x');
    peer.Send({{"id", 1}, {"result", {{"nodes", big}}}});
    EXPECT_EQ(peer.client().Call("Accessibility.getFullAXTree").at("nodes"), big);
}

TEST(DevToolsPipe, AMessageOrAQueueOverItsBoundGivesThePipeUpSayingWhich) {
    FakePeer big;
    big.client().SetLimits(1000, 5);
    big.SendRaw(std::string(999, ' '));  // no end yet, and within the bound
    big.client().Pump();
    big.SendRaw(std::string(10, ' '));
    EXPECT_THAT([&] { big.client().Pump(); },
                ThrowsPlatformError(kBrokenPipe, HasSubstr("a message of more than 1000 bytes")));
    EXPECT_TRUE(big.client().PeerClosed()) << "no call is sent on it any more";

    FakePeer busy;
    busy.client().SetLimits(1000, 5);
    for (int i = 0; i < 6; ++i) busy.Send(Event("Page.lifecycleEvent"));
    busy.Send({{"id", 1}, {"result", json::object()}});
    EXPECT_THAT([&] { busy.client().Call("Browser.getVersion"); },
                ThrowsPlatformError(kBrokenPipe, HasSubstr("more than 5 events")));

    // Within the bounds, a backlog of many small events is read whole and in order.
    FakePeer backlog;
    backlog.GrowReplyPipe(1 << 20);
    for (int i = 0; i < 5000; ++i) backlog.Send({{"method", "Page.lifecycleEvent"}, {"params", {{"n", i}}}});
    backlog.client().Pump();
    const auto events = backlog.client().TakeEvents();
    ASSERT_EQ(events.size(), 5000u);
    EXPECT_EQ(events.back().at("params").at("n"), 4999);
}

TEST(DevToolsPipe, ErrorReplyThrowsTheProtocolsMessageAndThePipeGoesOn) {
    FakePeer peer;
    peer.Send({{"id", 1}, {"error", {{"code", -32601}, {"message", "'Nope.nothing' wasn't found"}}}});
    EXPECT_THAT([&] { peer.client().Call("Nope.nothing"); },
                ThrowsPlatformError(kEFail, AllOf(HasSubstr("'Nope.nothing' wasn't found"), HasSubstr("-32601"))));

    peer.Send({{"id", 2}, {"result", {{"ok", true}}}});
    EXPECT_EQ(peer.client().Call("Browser.getVersion"), (json{{"ok", true}}));
}

TEST(DevToolsPipe, UnreadableMessageThrowsInvalidData) {
    for (const std::string bytes : {"{\"id\":1,\"result\":", "[1,2]", "\"text\"", "{\"id\":1,\"result\":\"\xff\"}"}) {
        SCOPED_TRACE(bytes);
        FakePeer peer;
        peer.SendRaw(bytes + std::string(1, '\0'));
        EXPECT_THAT([&] { peer.client().Call("Target.getTargets"); },
                    ThrowsPlatformError(kInvalidData, HasSubstr("Target.getTargets")));
    }
}

TEST(DevToolsPipe, PeerClosingThrowsBrokenPipe) {
    {
        SCOPED_TRACE("closed with half a reply sent");
        FakePeer peer;
        peer.SendRaw("{\"id\":1,\"res");
        peer.CloseReplies();
        EXPECT_THAT([&] { peer.client().Call("Browser.getVersion"); },
                    ThrowsPlatformError(kBrokenPipe, HasSubstr("Browser.getVersion")));
        EXPECT_THAT([&] { peer.client().Call("Browser.close"); }, ThrowsPlatformError(kBrokenPipe));
    }
    {
        SCOPED_TRACE("no longer reading requests");
        FakePeer peer;
        peer.CloseRequests();
        EXPECT_THAT([&] { peer.client().Call("Target.createTarget"); },
                    ThrowsPlatformError(kBrokenPipe, HasSubstr("Target.createTarget")));
        // The write's SIGPIPE was neither delivered nor left pending, and stays unblocked.
        sigset_t pending, blocked;
        sigpending(&pending);
        EXPECT_FALSE(sigismember(&pending, SIGPIPE));
        pthread_sigmask(SIG_BLOCK, nullptr, &blocked);
        EXPECT_FALSE(sigismember(&blocked, SIGPIPE));
    }
}

TEST(DevToolsPipe, PassedDeadlineThrowsTimeoutAtOnce) {
    FakePeer peer(0ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THAT([&] { peer.client().Call("Target.getTargets"); },
                ThrowsPlatformError(kTimeout, HasSubstr("Target.getTargets")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);

    // The late reply to the call that gave up is not taken for the next one's.
    peer.Send({{"id", 1}, {"result", {{"late", true}}}});
    peer.Send({{"id", 2}, {"result", {{"late", false}}}});
    peer.client().SetTimeout(5s);
    EXPECT_EQ(peer.client().Call("Target.getTargets"), (json{{"late", false}}));

    // A peer that stops reading cannot block a write either.
    peer.client().SetTimeout(0ms);
    const std::string big(4 << 20, 'x');
    EXPECT_THAT([&] { peer.client().Call("Runtime.evaluate", {{"expression", big}}); }, ThrowsPlatformError(kTimeout));
}

}  // namespace
}  // namespace tidemark::chromium
