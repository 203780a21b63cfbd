#include "chromium/page_snapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_devtools_peer.h"
#include "throws_platform_error.h"

namespace tidemark::chromium {
namespace {

using nlohmann::json;

json FrameTree(const std::string& loader) { return {{"frameTree", {{"frame", {{"id", "f"}, {"loaderId", loader}}}}}}; }

json AXTree(const std::string& name) {
    return {{"nodes",
             {{{"nodeId", "1"},
               {"ignored", false},
               {"role", {{"type", "role"}, {"value", "RootWebArea"}}},
               {"name", {{"type", "computedString"}, {"value", name}}},
               {"childIds", json::array()},
               {"backendDOMNodeId", 1}}}}};
}

json Dom() {
    return {{"strings", json::array()},
            {"documents",
             {{{"nodes",
                {{"parentIndex", {-1}},
                 {"nodeType", {9}},
                 {"nodeName", {-1}},
                 {"backendNodeId", {1}},
                 {"attributes", {json::array()}}}}}}}};
}

// The replies to the calls in the order the reading makes them, ids from 1.
void Answer(FakePeer& peer, const std::vector<json>& results) {
    for (std::size_t i = 0; i < results.size(); ++i)
        peer.Send({{"id", static_cast<int>(i) + 1}, {"result", results[i]}});
}

TEST(PageSnapshot, ANavigationLandingBetweenTheTreesAndTheirIdentityIsTakenAgain) {
    FakePeer peer;
    // The old document's identity, then its trees, then the new one's identity: taken again.
    Answer(peer, {FrameTree("old"), AXTree("old page"), Dom(), FrameTree("new"), AXTree("new page"), Dom(),
                  FrameTree("new")});
    const PageSnapshot snapshot = FetchPageSnapshot(peer.client(), "s");
    EXPECT_EQ(snapshot.documentId, "new");
    ASSERT_FALSE(snapshot.axNodes.empty());
    EXPECT_EQ(snapshot.axNodes[0].name, "new page");
    EXPECT_EQ(peer.client().calls(), 7);

    // A page that never holds still is no reading at all.
    FakePeer restless;
    std::vector<json> replies = {FrameTree("0")};
    for (int document = 1; document <= 3; ++document)
        replies.insert(replies.end(), {AXTree("p"), Dom(), FrameTree(std::to_string(document))});
    Answer(restless, replies);
    EXPECT_THAT([&] { FetchPageSnapshot(restless.client(), "s"); }, ThrowsPlatformError(kInvalidData));
}

}  // namespace
}  // namespace tidemark::chromium
