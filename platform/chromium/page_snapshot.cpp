#include "chromium/page_snapshot.h"

#include <algorithm>
#include <unordered_set>

namespace tidemark::chromium {

using nlohmann::json;

namespace {

std::string StringAt(const json& strings, const json& index) {
    const auto i = index.get<std::int64_t>();
    if (i < 0) return {};
    return strings.at(static_cast<std::size_t>(i)).get<std::string>();
}

// An AX property's "value", which the protocol leaves out when there is none.
std::string ValueOf(const json& node, const char* key) {
    const auto found = node.find(key);
    if (found == node.end()) return {};
    const auto value = found->find("value");
    if (value == found->end() || !value->is_string()) return {};
    return value->get<std::string>();
}

void ParseAXTree(const json& fullAXTree, PageSnapshot& snapshot) {
    for (const json& node : fullAXTree.at("nodes")) {
        AXNodeRecord record;
        record.nodeId = node.at("nodeId").get<std::string>();
        record.ignored = node.value("ignored", false);
        if (const auto reasons = node.find("ignoredReasons"); reasons != node.end()) {
            for (const json& reason : *reasons) record.ignoredReasons.push_back(reason.at("name").get<std::string>());
        }
        record.role = ValueOf(node, "role");
        record.name = ValueOf(node, "name");
        record.description = ValueOf(node, "description");
        if (const auto properties = node.find("properties"); properties != node.end()) {
            for (const json& property : *properties) {
                const auto value = property.at("value").find("value");
                if (property.at("name") == "focusable" && value != property.at("value").end() && value->is_boolean()) {
                    record.focusable = value->get<bool>();
                }
            }
        }
        if (const auto children = node.find("childIds"); children != node.end()) {
            record.childIds = children->get<std::vector<std::string>>();
        }
        if (const auto backend = node.find("backendDOMNodeId"); backend != node.end()) {
            record.backendDOMNodeId = backend->get<std::int64_t>();
            snapshot.axByBackendId.emplace(*record.backendDOMNodeId, record.nodeId);
        }
        snapshot.axIndex.emplace(record.nodeId, snapshot.axNodes.size());
        snapshot.axNodes.push_back(std::move(record));
    }
}

// The snapshot sends a flag that few nodes have as the list of their indexes.
std::unordered_set<std::int64_t> RareBooleans(const json& nodes, const char* key) {
    std::unordered_set<std::int64_t> indexes;
    if (const auto found = nodes.find(key); found != nodes.end()) {
        for (const json& index : found->at("index")) indexes.insert(index.get<std::int64_t>());
    }
    return indexes;
}

void ParseDom(const json& domSnapshot, PageSnapshot& snapshot) {
    const json& strings = domSnapshot.at("strings");
    for (const json& document : domSnapshot.at("documents")) {
        const json& nodes = document.at("nodes");
        const json& parents = nodes.at("parentIndex");
        const json& types = nodes.at("nodeType");
        const json& names = nodes.at("nodeName");
        const json& backendIds = nodes.at("backendNodeId");
        const json& attributes = nodes.at("attributes");
        const std::unordered_set<std::int64_t> clickable = RareBooleans(nodes, "isClickable");
        const std::size_t count = backendIds.size();
        if (parents.size() != count || types.size() != count || names.size() != count || attributes.size() != count) {
            throw PlatformError(kInvalidData, "unreadable DOM snapshot: node arrays of different lengths");
        }
        for (std::size_t i = 0; i < count; ++i) {
            DomNodeRecord record;
            const auto parent = parents[i].get<std::int64_t>();
            if (parent >= 0)
                record.parentBackendId = backendIds.at(static_cast<std::size_t>(parent)).get<std::int64_t>();
            record.nodeType = types[i].get<int>();
            record.nodeName = StringAt(strings, names[i]);
            const json& pairs = attributes[i];
            for (std::size_t a = 0; a + 1 < pairs.size(); a += 2) {
                const std::string attribute = StringAt(strings, pairs[a]);
                if (attribute == "id")
                    record.id = StringAt(strings, pairs[a + 1]);
                else if (attribute == "class")
                    record.className = StringAt(strings, pairs[a + 1]);
                else if (attribute == "alt")
                    record.emptyAlt = StringAt(strings, pairs[a + 1]).empty();
                else if (attribute.starts_with("aria-"))
                    record.hasAriaAttribute = true;
            }
            record.clickable = clickable.contains(static_cast<std::int64_t>(i));
            snapshot.dom.insert_or_assign(backendIds[i].get<std::int64_t>(), std::move(record));
        }
    }
}

}  // namespace

const AXNodeRecord* PageSnapshot::AXNode(const std::string& nodeId) const {
    const auto found = axIndex.find(nodeId);
    return found == axIndex.end() ? nullptr : &axNodes[found->second];
}

const DomNodeRecord* PageSnapshot::DomNode(std::optional<std::int64_t> backendId) const {
    if (!backendId) return nullptr;
    const auto found = dom.find(*backendId);
    return found == dom.end() ? nullptr : &found->second;
}

PageSnapshot ParsePageSnapshot(const json& fullAXTree, const json& domSnapshot) {
    PageSnapshot snapshot;
    try {
        ParseAXTree(fullAXTree, snapshot);
    } catch (const json::exception& error) {
        throw PlatformError(kInvalidData, std::string("unreadable accessibility tree: ") + error.what());
    }
    try {
        ParseDom(domSnapshot, snapshot);
    } catch (const json::exception& error) {
        throw PlatformError(kInvalidData, std::string("unreadable DOM snapshot: ") + error.what());
    }
    return snapshot;
}

std::string AttachToPage(DevToolsPipe& devtools, const std::string& targetId) {
    const json reply = devtools.Call("Target.attachToTarget", {{"targetId", targetId}, {"flatten", true}});
    const auto session = reply.find("sessionId");
    if (session == reply.end() || !session->is_string()) {
        throw PlatformError(kInvalidData, "Target.attachToTarget gave no session id: " + reply.dump());
    }
    return session->get<std::string>();
}

namespace {
// Every node of the accessibility tree found in the DOM snapshot: no script
// replaced a node between the two calls.
bool TakenTogether(const PageSnapshot& snapshot) {
    return std::all_of(snapshot.axNodes.begin(), snapshot.axNodes.end(), [&](const AXNodeRecord& node) {
        return !node.backendDOMNodeId || snapshot.dom.contains(*node.backendDOMNodeId);
    });
}
}  // namespace

namespace {
std::string DocumentId(DevToolsPipe& devtools, const std::string& sessionId) {
    const json frameTree = devtools.Call("Page.getFrameTree", json::object(), sessionId);
    try {
        return frameTree.at("frameTree").at("frame").at("loaderId").get<std::string>();
    } catch (const json::exception& error) {
        throw PlatformError(kInvalidData, std::string("unreadable frame tree: ") + error.what());
    }
}
}  // namespace

PageSnapshot FetchPageSnapshot(DevToolsPipe& devtools, const std::string& sessionId) {
    // The document is told before and after the trees are taken: a navigation landing between
    // them would give one document's nodes the other's identity. Another document is taken again.
    constexpr int kDocuments = 3;
    std::string documentId = DocumentId(devtools, sessionId);
    for (int document = 1; document <= kDocuments; ++document) {
        // A page that swaps a text node between the two calls (a figure counting
        // up) would show that text without its markup; a second take is almost
        // always clean, and a node still missing then only loses its id and class.
        constexpr int kTakes = 2;
        PageSnapshot snapshot;
        for (int take = 1; take <= kTakes; ++take) {
            const json axTree = devtools.Call("Accessibility.getFullAXTree", json::object(), sessionId);
            const json domSnapshot =
                devtools.Call("DOMSnapshot.captureSnapshot", {{"computedStyles", json::array()}}, sessionId);
            snapshot = ParsePageSnapshot(axTree, domSnapshot);
            if (TakenTogether(snapshot)) break;
        }
        std::string after = DocumentId(devtools, sessionId);
        if (after == documentId) {
            snapshot.documentId = std::move(documentId);
            return snapshot;
        }
        documentId = std::move(after);
    }
    throw PlatformError(kInvalidData, "the page changed its document at every reading");
}

}  // namespace tidemark::chromium
