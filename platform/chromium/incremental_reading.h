#pragma once

#include <string>

#include "chromium/devtools_pipe.h"
#include "chromium/page_snapshot.h"

namespace tidemark::chromium {

// Brings `snapshot` up to date after the texts of one element alone changed
// (`element`: a remote object of the page's session), from that element's
// accessibility node, its children and its ancestors
// (Accessibility.getPartialAXTree): one call instead of a whole reading.
// False, leaving `snapshot` to be read whole, when what came back does not
// fit the snapshot (a node not seen before that is not a text, a child not
// known, an element outside the accessibility tree).
bool ReadChangedElement(DevToolsPipe& devtools, const std::string& sessionId, const std::string& element,
                        PageSnapshot& snapshot);

}  // namespace tidemark::chromium
