#include "chromium/page_snapshot.h"

#include "chromium/control_view.h"
#include "chromium/page_mirror.h"

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

// Ten thousand named boxes, each in the last: read to a depth, shown, searched and removed, with no
// recursion that deep.
TEST(PageSnapshot, APageNestedTenThousandDeepIsReadToADepth) {
    constexpr int kLevels = 10'000;
    json nodes = json::array();
    for (int level = 0; level <= kLevels; ++level) {
        json node = {{"nodeId", std::to_string(level)},
                     {"ignored", false},
                     {"role", {{"type", "role"}, {"value", level == 0 ? "RootWebArea" : "generic"}}},
                     {"name", {{"type", "computedString"}, {"value", "level " + std::to_string(level)}}},
                     {"childIds", level < kLevels ? json::array({std::to_string(level + 1)}) : json::array()}};
        nodes.push_back(std::move(node));
    }
    const ControlElement view = BuildControlView(ParsePageSnapshot({{"nodes", nodes}}, Dom()));
    int depth = 0;
    for (const ControlElement* element = &view; !element->children.empty(); element = &element->children[0]) ++depth;
    EXPECT_EQ(depth, kMaxControlViewDepth);

    uia_tree::Tree tree;
    const auto automation = tree.CreateAutomation();
    const uia_tree::NodePtr contents = tree.root()->Add({.name = "contents"});
    {
        PageMirror mirror(tree, contents, {});
        mirror.Show(view, "doc");
        const auto root = automation->ElementFromHandle(uia_tree::Tree::kDesktopHandle);
        const auto named = [&](const std::string& name) {
            return root->FindFirst(uia::scope::Subtree, automation->CreatePropertyCondition(uia::property::Name, name));
        };
        EXPECT_TRUE(named("level 400"));
        EXPECT_FALSE(named("level 9999"));
    }
    EXPECT_TRUE(contents->children().empty()) << "the document went with its mirror";
}

}  // namespace
}  // namespace tidemark::chromium
