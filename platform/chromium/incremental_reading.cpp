#include "chromium/incremental_reading.h"

#include <unordered_set>
#include <vector>

namespace tidemark::chromium {

using nlohmann::json;

namespace {

bool IsText(const AXNodeRecord& node) {
    return node.role == "StaticText" || node.role == "LineBreak" || node.role == "InlineTextBox";
}

// Takes a node and what only it reached out of the snapshot; the root never goes.
void Forget(PageSnapshot& snapshot, const std::string& nodeId, int depth = 0) {
    const auto found = snapshot.axIndex.find(nodeId);
    if (found == snapshot.axIndex.end() || depth > 64) return;
    const std::size_t at = found->second;
    for (const std::string& child : std::vector<std::string>(snapshot.axNodes[at].childIds))
        Forget(snapshot, child, depth + 1);
    const std::size_t index = snapshot.axIndex.at(nodeId);
    AXNodeRecord& gone = snapshot.axNodes[index];
    if (gone.backendDOMNodeId) {
        const auto mapped = snapshot.axByBackendId.find(*gone.backendDOMNodeId);
        if (mapped != snapshot.axByBackendId.end() && mapped->second == nodeId) {
            snapshot.axByBackendId.erase(mapped);
            snapshot.dom.erase(*gone.backendDOMNodeId);
        }
    }
    snapshot.axIndex.erase(nodeId);
    if (index + 1 != snapshot.axNodes.size()) {
        gone = std::move(snapshot.axNodes.back());
        snapshot.axIndex[gone.nodeId] = index;
    }
    snapshot.axNodes.pop_back();
}

}  // namespace

bool ReadChangedElement(DevToolsPipe& devtools, const std::string& sessionId, const std::string& element,
                        PageSnapshot& snapshot) {
    json reply;
    try {
        reply = devtools.Call("Accessibility.getPartialAXTree", {{"objectId", element}, {"fetchRelatives", true}},
                              sessionId);
    } catch (const PlatformError& error) {
        if (error.code() == kEFail) return false;  // the element went meanwhile
        throw;
    }
    const PageSnapshot partial = ParsePageSnapshot(reply, {{"strings", json::array()}, {"documents", json::array()}});
    if (partial.axNodes.empty()) return false;
    // The element first; a node the snapshot does not have is outside the tree as it was read.
    const AXNodeRecord& changed = partial.axNodes.front();
    const AXNodeRecord* before = snapshot.AXNode(changed.nodeId);
    if (before == nullptr || before->backendDOMNodeId != changed.backendDOMNodeId) return false;

    std::unordered_set<std::string> coming;
    for (const AXNodeRecord& node : partial.axNodes) coming.insert(node.nodeId);
    for (const AXNodeRecord& node : partial.axNodes) {
        // Only texts are new after a change of texts; anything else is read whole.
        if (snapshot.AXNode(node.nodeId) == nullptr && !IsText(node)) return false;
        if (IsText(node)) continue;  // the lines of a text are no part of the view
        for (const std::string& child : node.childIds)
            if (!coming.contains(child) && snapshot.AXNode(child) == nullptr) return false;
    }

    // The texts the element no longer has go; the nodes read replace theirs.
    std::unordered_set<std::string> kept(changed.childIds.begin(), changed.childIds.end());
    for (const std::string& child : std::vector<std::string>(before->childIds))
        if (!kept.contains(child)) Forget(snapshot, child);
    for (const AXNodeRecord& node : partial.axNodes) {
        if (node.backendDOMNodeId && !snapshot.dom.contains(*node.backendDOMNodeId)) {
            // A new text: a DOM text node, which the view asks nothing of.
            DomNodeRecord text;
            text.nodeType = 3;
            text.nodeName = "#text";
            snapshot.dom.emplace(*node.backendDOMNodeId, std::move(text));
        }
        if (node.backendDOMNodeId) snapshot.axByBackendId[*node.backendDOMNodeId] = node.nodeId;
        const auto found = snapshot.axIndex.find(node.nodeId);
        if (found != snapshot.axIndex.end()) {
            snapshot.axNodes[found->second] = node;
        } else {
            snapshot.axIndex.emplace(node.nodeId, snapshot.axNodes.size());
            snapshot.axNodes.push_back(node);
        }
    }
    return true;
}

}  // namespace tidemark::chromium
