#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <nlohmann/json.hpp>

#include "chromium/devtools_pipe.h"

namespace tidemark::chromium {

// One node of Accessibility.getFullAXTree, with only what the control view reads.
struct AXNodeRecord {
    std::string nodeId;
    bool ignored = false;
    std::vector<std::string> ignoredReasons;
    std::string role;
    std::string name;
    std::string description;
    bool focusable = false;
    std::vector<std::string> childIds;
    std::optional<std::int64_t> backendDOMNodeId;
};

// One DOM node of DOMSnapshot.captureSnapshot.
struct DomNodeRecord {
    std::optional<std::int64_t> parentBackendId;
    int nodeType = 0;      // 1 element, 3 text
    std::string nodeName;  // "DIV", "#text", "svg": as the DOM spells it
    std::string id;
    std::string className;
    // Any aria-* attribute: Blink marks such a node, and the provider then
    // shows it as a control whatever its role.
    bool hasAriaAttribute = false;
    // `alt` written and empty: an image the author marked as decoration.
    bool emptyAlt = false;
    // A click listener of its own, or a node that takes clicks by its kind.
    bool clickable = false;
};

// The accessibility tree and the DOM of one page, taken together, keyed the way
// the control view looks them up.
struct PageSnapshot {
    // The loader of the document shown: ids of nodes start afresh in each new
    // document, so this is what tells one document from the next.
    std::string documentId;
    std::vector<AXNodeRecord> axNodes;                            // in the reply's order; the root comes first
    std::unordered_map<std::string, std::size_t> axIndex;         // nodeId -> axNodes index
    std::unordered_map<std::int64_t, std::string> axByBackendId;  // backendDOMNodeId -> nodeId
    std::unordered_map<std::int64_t, DomNodeRecord> dom;          // backendNodeId -> node

    const AXNodeRecord* AXNode(const std::string& nodeId) const;
    const DomNodeRecord* DomNode(std::optional<std::int64_t> backendId) const;
};

// From the results of Accessibility.getFullAXTree and DOMSnapshot.captureSnapshot.
// Throws PlatformError kInvalidData when either is not in the protocol's shape.
PageSnapshot ParsePageSnapshot(const nlohmann::json& fullAXTree, const nlohmann::json& domSnapshot);

// Attaches to a page target in flat mode; the calls for that page carry the returned session id.
std::string AttachToPage(DevToolsPipe& devtools, const std::string& targetId);

// Both trees of the attached page and the id of its document, told before and after them: four
// calls, six when a script changed the page between the trees, again when the document changed.
// Throws PlatformError kInvalidData when the document changed at every try.
PageSnapshot FetchPageSnapshot(DevToolsPipe& devtools, const std::string& sessionId);

}  // namespace tidemark::chromium
